// What the subsystems below the application shell read of it: the application object's folders
// and current selections, the main frame's document mode, type and object kind, its button
// panels and form views, the active document's model objects, the database file names and the
// open code tables. The application
// object and the main frame implement it; tests implement it without windows. One instance is
// current at a time.
#pragma once

#include "platform/core/CString.h"

class CRuntimeClass;
class ZnAppComTblAccess;
class ZnAppMDB;
class ZnModel;

class ZnShellState {
public:
    // The model slots of the active document: the application root, the form model (the family's
    // document object), the sub-form model (the kind's object) and a fourth slot.
    enum ModelSlot { appModelSlot = 0, formModelSlot = 1, subFormModelSlot = 2, extraModelSlot = 3 };
    static const int kModelSlotCount = 4;

    virtual ~ZnShellState() = default;

    // The current shell, or null while none is installed. The application installs itself at
    // start-up; a test installs its own for its duration.
    static ZnShellState* Current();
    static void SetCurrent(ZnShellState* state);

    // The folders as stored, without a guaranteed trailing backslash: the application (install)
    // folder, the common-data folder, the property-data folder, the destination folder and the
    // output drive or folder.
    virtual CString GetAppFolder() const = 0;
    virtual CString GetComFolder() const = 0;
    virtual CString GetObjFolder() const = 0;
    virtual CString GetDstFolder() const = 0;
    virtual CString GetOutputFolder() const = 0;
    // Sets the output drive or folder that the application keeps (and writes back to the settings
    // when the main frame closes).
    virtual void SetOutputFolder(LPCTSTR folder) = 0;

    // The current property (its name is also its folder's name) and document.
    virtual CString GetBukkenName() const = 0;
    virtual int GetBukkenIndex() const = 0;
    virtual int GetShousaiIndex() const = 0;
    virtual int GetDocKindCode() const = 0;
    // The document that a floppy-output page shows, for the writers: its document-kind code (also
    // kept as decimal text), its title and its form number.
    virtual void SetCurrentDocument(int docKindCode, const CString& title, int formNo) = 0;
    // The main frame's current property (its BukkenIndex), 0 without a main frame.
    virtual int GetFrameBukkenIndex() const = 0;
    // Loads the document of the register row (bukkenIndex, shousaiIndex) into the active
    // document, as the application loads a document: TRUE when its file was read.
    virtual BOOL LoadBukkenDocument(int bukkenIndex, int shousaiIndex) = 0;
    // The file that the active document was loaded from; empty when it was not loaded from one.
    virtual CString GetDocumentFile() const = 0;
    // Saves the active document to the file it was loaded from, through a temporary file: TRUE
    // when it was saved; FALSE when it was loaded from no file (nothing is written) or the save
    // failed (the framework has said so, and the file is as it was).
    virtual BOOL SaveDocument() = 0;
    // The region number chosen in the new-property dialog, 0 until that dialog has run.
    virtual int GetChiikiBangou() const = 0;

    // What the floppy import changes besides the output folder: the main frame's document mode
    // (32786 applications, 32787 notifications) of the floppy read; and the property it made,
    // which becomes the current one as a new property does: the property-data folder that holds
    // its register and folder, its name and the main frame's property index.
    virtual void SetDocMode(int mode) = 0;
    virtual void SetCurrentProperty(LPCTSTR objFolder, LPCTSTR name, int bukkenIndex) = 0;

    // The main frame's selections: the document mode (32786 when flag is 1, else the stored mode,
    // 32786 applications or 32787 notifications), the document type (0 for none) and the id of
    // the object-kind button.
    virtual int GetDocMode(int flag) const = 0;
    virtual int GetDocType() const = 0;
    virtual int GetObjKind() const = 0;
    // The id of the button panel that the main frame shows, or -1 without a main frame.
    virtual int GetCurrentPanel() const = 0;
    // Destroys the shown panel and shows the panel with that id.
    virtual void SwitchPanel(int panel) = 0;
    // Stores the object kind and shows the form view of viewClass (when there is one).
    virtual void OpenFormView(int objKind, CRuntimeClass* viewClass) = 0;
    // Closes the open form view.
    virtual void CloseFormView() = 0;
    // Sets the unsaved-changes flag and returns it.
    virtual int SetDataChanged(int flag) = 0;
    // The database file names.
    virtual ZnAppMDB* GetAppMDB() = 0;
    // The application's code-table access, its recordsets open for the whole run; null when the
    // application has none.
    virtual ZnAppComTblAccess* GetComTblAccess() = 0;

    // The application's document-kind names: the display name of a document-kind code in the
    // name set of mode (32786 applications, any other value notifications), shortened for
    // variant 22; "" for a code without a name.
    virtual CString DocKindName(int code, int mode, int variant) const = 0;
    // The name of a form's document file in a property folder, such as "Ka001.110": "Ka" in
    // the application mode, else "Ke", then "001." and the form number right-aligned in three places.
    virtual CString MakeFormFileName(int formNo) const = 0;

    // Runs the external converter "txt2xml.exe" of the application folder on a file and waits for
    // it to end; nothing is reported when it cannot be started.
    virtual void RunTxt2Xml(CString path) = 0;

    // The object in a slot of the active document, or null.
    virtual ZnModel* GetModel(int slot) const = 0;
    // Deletes the object in a slot and puts model (which may be null) there; the document owns it.
    virtual void ReplaceModel(int slot, ZnModel* model) = 0;
    // Puts model (which may be null) into a slot and hands the object that was there (or null) to
    // the caller, without deleting it. Without an active document nothing changes and model is
    // handed back.
    virtual ZnModel* ExchangeModel(int slot, ZnModel* model) = 0;
};
