// One building of a building application (第四面): its number, the persons for the building,
// usages, construction kinds, structure, fire-resistance class, floor counts, heights,
// equipment, the confirmation exception, roof, outer wall and eaves, the floors with their
// floor areas, and free texts. It sums the floor areas of its floors for the fourth face.
//
// Layouts: schema 257 ends with the extra value; any other stored schema lacks it. Storing
// always writes 257.
#pragma once

#include "model/ZnModelAppExcept.h"
#include "model/ZnModelAppFloorOutline.h"
#include "model/ZnModelAppStrKind.h"
#include "model/ZnModelAppUsage.h"
#include "model/ZnModelConstKindFlags.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelFireProofCode.h"

class ZnModelAppBuildPage : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppBuildPage)
public:
    // "01601".."01607" set the matching construction kind; null or other codes change nothing.
    void SetConstKind(LPCTSTR code) { ZnModelConstKindFlags::SetByCode(m_constKind, code); }
    // Empties codes, then appends the code of every construction kind set, ascending.
    void GetConstKindCodes(CStringList& codes) const { ZnModelConstKindFlags::GetCodes(m_constKind, codes); }

    // Sums over the floors, in list order (合計床面積): applied parts, other parts, both.
    double GetAppPartFloorArea() const;
    double GetOtherPartFloorArea() const;
    double GetTotalFloorArea() const { return GetAppPartFloorArea() + GetOtherPartFloorArea(); }

    void SetBuildingNumber(int number) { m_buildingNumber = number; }
    void SetDesigner(const ZnModelDesigner& designer) { m_designer = designer; }
    void SetEquipDesigner(const ZnModelEquipDesigner& adviser) { m_equipDesigner = adviser; }
    void SetSupervisor(const ZnModelDesigner& supervisor) { m_supervisor = supervisor; }
    void SetConstructor(const ZnModelConstructor& constructor) { m_constructor = constructor; }
    // Each list setter replaces the list by copies of the given list's elements.
    void SetUsageList(const ZnModelAppUsageList& usages) { m_usageList = usages; }
    void SetStrKind(const ZnModelAppStrKind& kind) { m_strKind = kind; }
    void SetStrKindList(const ZnModelAppStrKindList& kinds) { m_strKindList = kinds; }
    void SetFireProofCode(const ZnModelFireProofCode& code) { m_fireProofCode = code; }
    void SetFloorsAboveGround(int floors) { m_floorsAboveGround = floors; }
    void SetFloorsBelowGround(int floors) { m_floorsBelowGround = floors; }
    void SetPenthouseFloors(int floors) { m_penthouseFloors = floors; }
    void SetBasementStoreFloors(int floors) { m_basementStoreFloors = floors; }
    void SetMaxHeight(double height) { m_maxHeight = height; }
    void SetMaxEavesHeight(double height) { m_maxEavesHeight = height; }
    void SetEquipKinds(LPCTSTR text) { m_equipKinds = text; }
    void SetConfException(const ZnModelAppExcept& exception) { m_confException = exception; }
    void SetRoof(LPCTSTR text) { m_roof = text; }
    void SetOuterWall(LPCTSTR text) { m_outerWall = text; }
    void SetEaves(LPCTSTR text) { m_eaves = text; }
    void SetRoomFloorHeight(int height) { m_roomFloorHeight = height; }
    void SetToiletKind(LPCTSTR text) { m_toiletKind = text; }
    void SetText2(LPCTSTR text) { m_text2 = text; }
    void SetRemarks1(LPCTSTR text) { m_remarks1 = text; }
    void SetRemarks2(LPCTSTR text) { m_remarks2 = text; }
    void SetRemarks3(LPCTSTR text) { m_remarks3 = text; }
    void SetCertNumber(LPCTSTR text) { m_certNumber = text; }
    void SetFloorOutlineList(const ZnModelAppFloorOutlineList& floors) { m_floorOutlineList = floors; }
    void SetChangeSummary(LPCTSTR text) { m_changeSummary = text; }

    int GetBuildingNumber() const { return m_buildingNumber; }
    const ZnModelDesigner& GetDesigner() const { return m_designer; }
    const ZnModelEquipDesigner& GetEquipDesigner() const { return m_equipDesigner; }
    const ZnModelDesigner& GetSupervisor() const { return m_supervisor; }
    const ZnModelConstructor& GetConstructor() const { return m_constructor; }
    const ZnModelAppUsageList& GetUsageList() const { return m_usageList; }
    const ZnModelAppStrKind& GetStrKind() const { return m_strKind; }
    const ZnModelAppStrKindList& GetStrKindList() const { return m_strKindList; }
    const ZnModelFireProofCode& GetFireProofCode() const { return m_fireProofCode; }
    const CString& GetEquipKinds() const { return m_equipKinds; }
    const ZnModelAppExcept& GetConfException() const { return m_confException; }
    const CString& GetRoof() const { return m_roof; }
    const CString& GetOuterWall() const { return m_outerWall; }
    const CString& GetEaves() const { return m_eaves; }
    const CString& GetToiletKind() const { return m_toiletKind; }
    const CString& GetText2() const { return m_text2; }
    const CString& GetRemarks1() const { return m_remarks1; }
    const CString& GetRemarks2() const { return m_remarks2; }
    const CString& GetRemarks3() const { return m_remarks3; }
    const CString& GetCertNumber() const { return m_certNumber; }
    const ZnModelAppFloorOutlineList& GetFloorOutlineList() const { return m_floorOutlineList; }
    const CString& GetChangeSummary() const { return m_changeSummary; }

    // The embedded records first, then the numbers and texts, the three lists and the extra
    // value. Loading a layout without the extra value sets it to 0.0.
    void Serialize(CArchive& ar) override;

    int m_buildingNumber = 0; // 建築物の番号, also the 棟番号 of the constructor entry
    ZnModelDesigner m_designer;
    ZnModelEquipDesigner m_equipDesigner;
    ZnModelDesigner m_supervisor;
    ZnModelConstructor m_constructor;
    ZnModelAppUsageList m_usageList; // 用途リスト
    int m_constKind[ZnModelConstKindFlags::count] = {};
    ZnModelAppStrKind m_strKind; // 構造区分, 構造詳細
    ZnModelAppStrKindList m_strKindList;
    ZnModelFireProofCode m_fireProofCode; // 耐火建築物
    int m_floorsAboveGround = 0;          // 地階を除く階数
    int m_floorsBelowGround = 0;          // 地階の階数
    int m_penthouseFloors = 0;            // 昇降機塔等の階の数
    int m_basementStoreFloors = 0;        // 地階の倉庫等の階の数
    double m_maxHeight = 0.0;             // 最高の高さ
    double m_maxEavesHeight = 0.0;        // 最高の軒の高さ
    CString m_equipKinds;                 // 建築設備の種類
    ZnModelAppExcept m_confException;     // 確認の特例
    CString m_roof;                       // 屋根
    CString m_outerWall;                  // 外壁
    CString m_eaves;                      // 軒裏
    int m_roomFloorHeight = 0;            // 居室の床の高さ
    CString m_toiletKind;                 // 便所の種類
    CString m_text2;                      // printed as その他必要な事項
    CString m_remarks1;                   // the three together form 備考内容
    CString m_remarks2;
    CString m_remarks3;
    CString m_certNumber;                          // 認証型式部材等の認証番号
    ZnModelAppFloorOutlineList m_floorOutlineList; // 階別床面積リスト
    CString m_changeSummary;                       // 変更概要
    double m_extraValue = 0.0;                     // schema 257
};

// Building pages; the holder owns the elements.
typedef ZnModelList<ZnModelAppBuildPage> ZnModelAppBuildPageList;
