// The common base of the applications for a structure under Article 88 paragraph 2
// (工作物（法88条2項）), described by the application's own fields: designers, constructors,
// the site with its use zones, the structure's usage, height, kinds of works, building area and
// number, the planned dates, the specified stage, permissions, the name, two site positions and
// the summary of changes.
#pragma once

#include "model/ZnModelAppPersons.h"
#include "model/ZnModelAppSitePos.h"
#include "model/ZnModelArea.h"
#include "model/ZnModelConstKindFlags.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelSemiStrUsageCode.h"
#include "model/ZnModelUseZoneCode.h"

class ZnModelAppSemiStr : public ZnModelAppPersons {
    DECLARE_ZN_MODEL(ZnModelAppSemiStr)
public:
    // Sets the flag of the kind of works the code names to 1 and stores the text beside it:
    // "01601" 新築, "01602" 増築, "01603" 改築, "01699" その他. A null or any other code
    // changes nothing; no flag or text is ever cleared.
    void SetConstKind(LPCTSTR code, LPCTSTR text);

    // Replaces the use zones by copies of the given list's zones.
    void SetUseZoneCodeList(const ZnModelUseZoneCodeList& zones) { m_useZoneCodeList = zones; }
    void SetName(const JkModelName& name) { m_name = name; }
    void SetSitePos1(const ZnModelAppSitePos& position) { m_sitePos1 = position; }
    void SetSitePos2(const ZnModelAppSitePos& position) { m_sitePos2 = position; }

    const JkModelAddress& GetLotAddress() const { return m_lotAddress; }
    const JkModelAddress& GetDisplayAddress() const { return m_displayAddress; }
    const ZnModelUseZoneCodeList& GetUseZoneCodeList() const { return m_useZoneCodeList; }
    const CString& GetOtherZoneText() const { return m_otherZoneText; }
    const ZnModelSemiStrUsageCode& GetUsageCode() const { return m_usageCode; }
    const CString& GetUsageText() const { return m_usageText; }
    const CString& GetOtherText() const { return m_otherText; }
    const CString& GetStructNote() const { return m_structNote; }
    const ZnModelInspDate& GetSpecStageDate() const { return m_specStageDate; }
    const CString& GetPermitLaw() const { return m_permitLaw; }
    const CString& GetNote() const { return m_note; }
    const JkModelName& GetName() const { return m_name; }
    const CString& GetChangeSummary() const { return m_changeSummary; }

    // The application root, the embedded records, the plain fields, then the lists of further
    // designers, constructors and use zones.
    void Serialize(CArchive& ar) override;

    JkModelAddress m_lotAddress;              // 地名地番
    JkModelAddress m_displayAddress;          // 住居表示
    ZnModelUseZoneCodeList m_useZoneCodeList; // 用途地域
    CString m_otherZoneText;                  // その他の区域又は地区
    ZnModelSemiStrUsageCode m_usageCode;      // 用途コード
    CString m_usageText;                      // 用途内容
    double m_height = 0.0;                    // 高さ
    int m_newFlag = 0;                        // 新築
    CString m_newText;
    int m_extendFlag = 0; // 増築
    CString m_extendText;
    int m_rebuildFlag = 0; // 改築
    CString m_rebuildText;
    int m_otherFlag = 0;             // その他
    CString m_otherText;             // その他工事種別
    ZnModelArea m_buildArea;         // 築造面積
    int m_appStructCount = 0;        // 工作物の数: 申請部分
    int m_otherStructCount = 0;      // 申請以外の部分
    CString m_structNote;            // その他必要な事項
    ZnModelDate m_constStartDate;    // 工事着手予定日
    ZnModelDate m_constEndDate;      // 工事完了予定日
    ZnModelInspDate m_specStageDate; // 特定工程工事終了予定日
    CString m_permitLaw;             // 許可等: 根拠情報, 法令
    CString m_note;                  // 備考内容
    JkModelName m_name;              // 工作物の名称, 工作物フリガナ
    ZnModelAppSitePos m_sitePos1;
    ZnModelAppSitePos m_sitePos2;
    CString m_changeSummary; // 変更概要
};
