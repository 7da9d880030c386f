// A shell for tests: plain values that a test sets, and model slots that it owns. It is the
// current shell for its lifetime and puts the previous one back when it ends. Document-kind
// names and form file names are the application's: a test that needs them derives a shell that
// answers them (tests/writers/WriterShellState.h); this one fails the test when asked.
#pragma once

#include "model/ZnModel.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnShellState.h"

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

class TestShellState : public ZnShellState {
public:
    TestShellState() : m_previous(Current()) { SetCurrent(this); }
    ~TestShellState() override
    {
        SetCurrent(m_previous);
        for (ZnModel* model : models)
            delete model;
    }
    TestShellState(const TestShellState&) = delete;
    TestShellState& operator=(const TestShellState&) = delete;

    CString GetAppFolder() const override { return appFolder; }
    CString GetComFolder() const override { return comFolder; }
    CString GetObjFolder() const override { return objFolder; }
    CString GetDstFolder() const override { return dstFolder; }
    CString GetOutputFolder() const override { return outputFolder; }
    int GetFrameBukkenIndex() const override { return frameBukkenIndex; }
    // Records the request; loads nothing.
    BOOL LoadBukkenDocument(int bukkenIndex, int shousaiIndex) override
    {
        loadRequests.push_back({bukkenIndex, shousaiIndex});
        return FALSE;
    }
    CString GetDocumentFile() const override { return documentFile; }
    // Counts the request; writes nothing.
    BOOL SaveDocument() override
    {
        ++saveRequests;
        return !documentFile.IsEmpty();
    }
    CString GetBukkenName() const override { return bukkenName; }
    int GetBukkenIndex() const override { return bukkenIndex; }
    int GetShousaiIndex() const override { return shousaiIndex; }
    int GetDocKindCode() const override { return docKindCode; }
    void SetCurrentDocument(int code, const CString& title, int form) override
    {
        docKindCode = code;
        docTitle = title;
        formNo = form;
    }
    int GetChiikiBangou() const override { return chiikiBangou; }
    void SetOutputFolder(LPCTSTR folder) override { outputFolder = folder; }
    void SetDocMode(int mode) override { docMode = mode; }
    void SetCurrentProperty(LPCTSTR folder, LPCTSTR name, int index) override
    {
        objFolder = folder;
        bukkenName = name;
        bukkenIndex = index;
    }
    int GetDocMode(int flag) const override { return flag == 1 ? 32786 : docMode; }
    int GetDocType() const override { return docType; }
    int GetObjKind() const override { return objKind; }
    int GetCurrentPanel() const override { return -1; }
    void SwitchPanel(int panel) override {}
    void OpenFormView(int objKind, CRuntimeClass* viewClass) override {}
    void CloseFormView() override {}
    int SetDataChanged(int flag) override { return dataChanged = flag; }
    ZnAppMDB* GetAppMDB() override { return &mdb; }
    ZnAppComTblAccess* GetComTblAccess() override { return comTblAccess; }
    CString DocKindName(int code, int mode, int variant) const override
    {
        ADD_FAILURE() << "the test shell has no document-kind names";
        return CString();
    }
    CString MakeFormFileName(int formNo) const override
    {
        ADD_FAILURE() << "the test shell has no form file names";
        return CString();
    }
    // Records the converter runs in converterRuns, without running anything.
    void RunTxt2Xml(CString path) override { converterRuns.push_back(path); }
    ZnModel* GetModel(int slot) const override { return models[slot]; }
    ZnModel* ExchangeModel(int slot, ZnModel* model) override
    {
        ZnModel* held = models[slot];
        models[slot] = model;
        return held;
    }
    void ReplaceModel(int slot, ZnModel* model) override
    {
        delete models[slot];
        models[slot] = model;
    }

    CString appFolder, comFolder, objFolder, dstFolder, outputFolder;
    CString bukkenName;
    CString docTitle;
    int formNo = 0;
    int bukkenIndex = 0, shousaiIndex = 0, docKindCode = 0, frameBukkenIndex = 0;
    std::vector<std::pair<int, int>> loadRequests;
    CString documentFile;
    int saveRequests = 0;
    int chiikiBangou = 0;
    int docMode = 32786, docType = 0, objKind = 0, dataChanged = 0;
    ZnAppMDB mdb;
    ZnAppComTblAccess* comTblAccess = nullptr; // not owned
    ZnModel* models[kModelSlotCount] = {};
    std::vector<CString> converterRuns; // the paths given to RunTxt2Xml, in order

private:
    ZnShellState* m_previous;
};

} // namespace testsupport
