// What the interim and the completion inspection applications have in common: the people of the
// application, the building's name and site, its category, the kind of construction as seven
// flags, the confirmation certificates the inspection refers to, the construction dates, the
// floor area to inspect and the minor changes after confirmation. It also holds the application
// the inspection rests on, which each inspection kind stores at its own place in its layout.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelAppRightMod.h"
#include "model/ZnModelBuildTypeCode.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelNum.h"
#include "model/ZnModelOwnedPtr.h"

class ZnModelAppInspConf : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppInspConf)
public:
    // Each replaces one list by copies of the given list's elements; the caller keeps its own.
    void SetDesignerList(const ZnModelDesignerList& designers) { m_designerList = designers; }
    void SetEquipDesignerList(const ZnModelEquipDesignerList& advisers) { m_equipAdviserList = advisers; }
    void SetSupervisorList(const ZnModelDesignerList& supervisors) { m_supervisorList = supervisors; }
    void SetConstructorList(const ZnModelConstructorList& constructors) { m_constructorList = constructors; }
    void SetConfNumList(const ZnModelNumList& certificates) { m_confCertList = certificates; }
    void SetRightModList(const ZnModelAppRightModList& changes) { m_rightModList = changes; }

    // Sets the flag of the construction kind the code names to 1: "01601" 新築, "01602" 増築,
    // "01603" 改築, "01604" 移転, "01606" 大規模の修繕, "01607" 大規模の模様替, "01608" 建築設備の
    // 設置. A null or any other code (用途変更 "01605" among them) changes nothing; no flag is
    // ever cleared.
    void SetConstKind(LPCTSTR code);

    // The confirmation certificate a selector counts from 1: 1 is the first certificate, n from 2
    // on is element n - 2 of the further ones. Null for a selector below 1 or past the last.
    const ZnModelNum* GetConfNum(int selector) const;

    // The embedded parts, the texts, the flags, the area, then the six lists. The embedded
    // application is not part of this layout.
    void Serialize(CArchive& ar) override;

    CString m_text1; // 工事監理者1 of the first face
    ZnModelDesigner m_designer;
    ZnModelDesignerList m_designerList;
    ZnModelEquipDesigner m_equipAdviser;
    ZnModelEquipDesignerList m_equipAdviserList;
    ZnModelDesigner m_supervisor;
    ZnModelDesignerList m_supervisorList;
    ZnModelConstructor m_constructor;
    ZnModelConstructorList m_constructorList;
    CString m_remarks2;           // 備考内容 of the second face
    JkModelName m_buildingName;   // 建築物の名称, 建築物フリガナ
    JkModelAddress m_siteLot;     // 地名地番
    JkModelAddress m_siteDisplay; // 住居表示
    ZnModelBuildTypeCode m_buildType;
    int m_kindNew = 0;        // 新築
    int m_kindExtension = 0;  // 増築
    int m_kindRebuild = 0;    // 改築
    int m_kindRelocation = 0; // 移転
    int m_kindRepair = 0;     // 大規模の修繕
    int m_kindRemodel = 0;    // 大規模の模様替
    int m_kindEquipment = 0;  // 建築設備の設置
    ZnModelNum m_confCert;    // 確認済証番号, 確認済証交付日, 確認済証交付者
    ZnModelNumList m_confCertList;
    ZnModelDate m_startDate; // 工事着手日
    ZnModelDate m_endDate;   // 工事完了日, or 工事完了予定日 on an interim application
    double m_inspArea = 0.0; // 検査対象床面積, m²
    ZnModelAppRightMod m_rightMod;
    ZnModelAppRightModList m_rightModList;
    CString m_remarks3; // 備考内容 of the third face
    // The confirmation application the inspection rests on, or null; owned, copied with the
    // inspection.
    ZnModelOwnedPtr<ZnModelApp> m_baseApp;

protected:
    // Writes or reads the embedded application where an inspection kind's layout puts it: a
    // 4-byte presence flag, then, when set, the application as an object reference. Loading
    // accepts any class derived from ZnModelApp, replaces (and deletes) the application held
    // before, and refuses a reference back to an object read earlier in the archive, which has
    // an owner already.
    void SerializeBaseApp(CArchive& ar);
};
