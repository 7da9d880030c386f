#include "app/CZnAppProDoc.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"

IMPLEMENT_DYNCREATE(CZnAppProDoc, CDocument)

BEGIN_MESSAGE_MAP(CZnAppProDoc, CDocument)
END_MESSAGE_MAP()

CZnAppProDoc::~CZnAppProDoc()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        ReplaceModel(slot, nullptr);
}

BOOL CZnAppProDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ReplaceModel(appModel, new ZnModelApp);
    return TRUE;
}

void CZnAppProDoc::Serialize(CArchive& ar) { ZnModelDocKinds::SerializeSlots(ar, m_pModels, kSlotCount); }

ZnModel* CZnAppProDoc::GetModel(int slot) const { return slot >= 0 && slot < kSlotCount ? m_pModels[slot] : nullptr; }

ZnModel* CZnAppProDoc::ExchangeModel(int slot, ZnModel* model)
{
    if (slot < 0 || slot >= kSlotCount)
        return model;
    ZnModel* held = m_pModels[slot];
    m_pModels[slot] = model;
    return held;
}

void CZnAppProDoc::ReplaceModel(int slot, ZnModel* model)
{
    if (slot < 0 || slot >= kSlotCount) {
        delete model;
        return;
    }
    if (m_pModels[slot] != model)
        delete m_pModels[slot];
    m_pModels[slot] = model;
}
