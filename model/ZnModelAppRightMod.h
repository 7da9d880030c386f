// A minor change made after confirmation (確認以降の軽微な変更の概要): the kind of design
// documents that were changed (変更された設計図書の種類) and the summary of the change (変更概要).
#pragma once

#include "model/ZnModel.h"
#include "model/ZnModelList.h"

class ZnModelAppRightMod : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppRightMod)
public:
    void Serialize(CArchive& ar) override;

    CString m_docKind;
    CString m_summary;
};

// Minor changes after confirmation; the holder owns the elements.
typedef ZnModelList<ZnModelAppRightMod> ZnModelAppRightModList;
