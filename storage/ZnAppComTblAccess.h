// The application's access to the code tables of COM_CODE.mdb. The application object owns one;
// Init at start-up opens one recordset per slot and keeps them open for the whole run, so that
// screens fill their combo boxes and the writers turn stored codes into names without opening
// the database again. Close frees them and the database once, when the main frame goes.
//
// The lookups move the shared recordsets' cursors: a caller that walks a slot itself must not
// rely on its position after a lookup.
#pragma once

#include "platform/core/ChoiceList.h"
#include "storage/ZnMngComTblApp.h"
#include "storage/ZnRsetComCodeTbl.h"

class ZnAppComTblAccess : public VhObject {
    DECLARE_DYNAMIC(ZnAppComTblAccess)
public:
    // The slots, each over the code table of its name. The last three over the main-usage table
    // are separate recordsets: all rows, the rows with Bangou below 6 and those with Bangou 11 or
    // more, the last two in display order.
    enum Slot {
        slotKenchikushiTourokuShubetsu, // all rows; by region in FillComboByChiiki
        slotJimushoTourokuShubetsu,     // all rows; by region in FillComboByChiiki
        slotKensetsugyouKyoka,          // all rows; by region in FillComboByChiiki
        slotKenchikushiShikaku,
        slotJimushoShikaku,
        slotYoutoChiiki,   // the application's rows in display order
        slotTatemonoYouto, // the application's rows in display order
        slotShoukoukiShubetsu,
        slotShoukoukiYouto,
        slotKouzouShubetsu, // the application's rows in display order
        slotTaikaShubetsu,
        slotRei13_2KenchikubutsuKubun,
        slotKousakubutsuShuruiHou88_1,
        slotKousakubutsuYoutoHou88_2,
        slotShigaichi,
        slotKenchikunushiShubetsuKoujitodoke,
        slotGyoushuKoujitodoke,           // the application's rows in display order
        slotToshikeikakuKuikiKoujitodoke, // the application's rows in display order
        slotKoujiShubetsuKoujitodoke,
        slotTayoutoKubunKoujitodoke,
        slotKoujibubunKouzouKoujitodoke,
        slotJuutakuKoujiShubetsuKoujitodoke,
        slotJuutakuShikinKoujitodoke, // with the two corrected names (see Init)
        slotJuutakuKouhouKoujitodoke,
        slotJuutakuShuruiKoujitodoke,
        slotJokyakuGenin,
        slotJokyakuKenchikubutsuKouzou,
        slotJokyakuKenchikubutsuJuutakuKankei,
        slotGengou,
        slotShuyouyoutoKubunKoujitodoke,
        slotShuyouyoutoKubunKoujitodokeBelow6, // filter [Bangou]<6, display order
        slotShuyouyoutoKubunKoujitodokeFrom11, // filter [Bangou]>=11, display order
        slotTatemonoYoutoKoujitodoke,
        slotCount
    };

    ZnAppComTblAccess();
    // Closes.
    ~ZnAppComTblAccess() override;
    ZnAppComTblAccess(const ZnAppComTblAccess&) = delete;
    ZnAppComTblAccess& operator=(const ZnAppComTblAccess&) = delete;

    // Opens COM_CODE.mdb in the application folder of the current shell and one recordset per
    // slot, and prepares each as its slot says. A table that cannot be opened leaves its slot
    // null. Before it prepares the housing-finance slot it corrects the names of the codes 07003
    // and 07004 in the file; a file that refuses the change (an Access file, which is read only)
    // keeps the names it holds, and the failure is written to the run log. Slots of an earlier
    // Init are closed first.
    void Init();
    // Deletes every slot's recordset, then closes the database.
    void Close();

    // Restrict the three registration-kind slots to the rows of one region (and, except for the
    // office slot, the rows for all regions, Bangou 9999), or to all other rows, in display order.
    void SetRegionFilter(int region);
    void SetRegionExcludeFilter(int region);

    // Fills the combo box with an empty item and the formal name of every row, in order. A null
    // or empty recordset leaves the combo box untouched.
    static void FillCombo(ZnRsetComCodeTbl* recordset, ChoiceList* combo);
    // For a recordset of the registration-kind slots: empties the combo box and fills it with an
    // empty item, the formal names of the rows of the shell's region (and those for all regions,
    // except in the office slot), then of all other rows, each group in display order. Afterwards
    // the three slots hold all rows in display order again. A null recordset leaves the combo box
    // untouched.
    void FillComboByChiiki(ZnRsetComCodeTbl* recordset, ChoiceList* combo);

    // The code of the first row whose formal name is name, the formal name or the short name of
    // the first row whose code is code, compared byte for byte; empty when no row matches or the
    // recordset is null or empty. The recordset stays on the row found, or at its end.
    static CString GetCodeByName(ZnRsetComCodeTbl* recordset, const CString& name);
    static CString GetNameByCode(ZnRsetComCodeTbl* recordset, const CString& code);
    static CString GetShortNameByCode(ZnRsetComCodeTbl* recordset, const CString& code);

    // The manager that knows the tables and opens the database.
    ZnMngComTblApp m_mngComTbl;
    // The recordsets by Slot, null until Init and for a table that could not be opened; owned
    // from Init to Close.
    ZnRsetComCodeTbl* m_pRset[slotCount];

private:
    // Sets the filter of the three registration-kind slots (the office slot takes officeFilter),
    // sorts them in display order and queries them again.
    void FilterRegionSlots(const CString& filter, const CString& officeFilter);
    // Prepares a freshly opened slot as its slot table says.
    void Prepare(int slot);
};
