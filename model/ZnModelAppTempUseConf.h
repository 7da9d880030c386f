// The application for approval of temporary use (仮使用承認申請書) of a building or structure
// before its completion, to the designated administrative agency (特定行政庁) or to the
// building official (建築主事): both variants store every field.
#pragma once

#include "model/ZnModelApp.h"

class ZnModelAppTempUseConf : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppTempUseConf)
public:
    // The embedded parts first, then the form digit and the three texts.
    void Serialize(CArchive& ar) override;

    // The digit after the item code of the text forms' first record; with the object kind it
    // chooses the document-kind code of the floppy output.
    int m_formDigit = 0;
    ZnModelNum m_confirmation;     // 建築確認: number and date
    JkModelAddress m_siteAddress1; // 敷地の位置
    JkModelAddress m_siteAddress2;
    JkModelAddress m_objectAddress; // 設置する建築物又は工作物: its location
    JkModelName m_objectName;       // and its name
    CString m_useText;              // 仮使用の用途
    ZnModelDate m_plannedStart;     // 工事着手予定年月日
    ZnModelDate m_plannedEnd;       // 工事完了予定年月日
    ZnModelDate m_useFrom;          // 仮使用期間: first day
    ZnModelDate m_useTo;            // and last day
    CString m_reason;               // 申請の理由
    CString m_remarks;              // 備考
};
