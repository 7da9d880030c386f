// The one document class of every screen: up to four model objects of a property document in
// four slots, stored in and loaded from one document file. A file holds the Serialize of each
// filled slot in slot order and nothing else, so a file loads only into a document whose slots
// already hold objects of the classes that wrote it (the loader prepares them).
#pragma once

#include "platform/wnd/CDocument.h"
#include "storage/ZnShellState.h"

class ZnModel;

class CZnAppProDoc : public CDocument {
    DECLARE_DYNCREATE(CZnAppProDoc)
public:
    enum Slot {
        appModel = ZnShellState::appModelSlot,
        formModel = ZnShellState::formModelSlot,
        subFormModel = ZnShellState::subFormModelSlot,
        extraModel = ZnShellState::extraModelSlot
    };
    static const int kSlotCount = ZnShellState::kModelSlotCount;

    CZnAppProDoc() = default;
    // Deletes the objects of all four slots.
    ~CZnAppProDoc() override;

    // Puts a new empty application root (ZnModelApp) into the first slot.
    BOOL OnNewDocument() override;
    // The Serialize of each filled slot, first to fourth.
    void Serialize(CArchive& ar) override;
    BOOL IsModified() override { return CDocument::IsModified(); }
    void SetModifiedFlag(BOOL bModified = TRUE) override { CDocument::SetModifiedFlag(bModified); }

    // The object in a slot, or null; the document keeps it.
    ZnModel* GetModel(int slot) const;
    // Deletes the object in a slot and puts model (which may be null) there; the document owns it.
    void ReplaceModel(int slot, ZnModel* model);
    // Puts model into a slot and returns the object that was there, which the caller then owns;
    // a slot outside the document changes nothing and returns model.
    ZnModel* ExchangeModel(int slot, ZnModel* model);

    ZnModel* GetAppModel() const { return GetModel(appModel); }
    ZnModel* GetFormModel() const { return GetModel(formModel); }
    ZnModel* GetSubFormModel() const { return GetModel(subFormModel); }
    void DeleteAppModel() { ReplaceModel(appModel, nullptr); }
    void DeleteFormModel() { ReplaceModel(formModel, nullptr); }
    void DeleteSubFormModel() { ReplaceModel(subFormModel, nullptr); }

    CString m_strText;

protected:
    DECLARE_MESSAGE_MAP()

private:
    ZnModel* m_pModels[kSlotCount] = {};
};
