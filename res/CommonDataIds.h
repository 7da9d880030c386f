// The ids of the reference-data editors: their dialog templates and the controls they share.
#pragma once

// The editors, each a modeless child of its form view.
#define IDD_CM_SHINSEISHA 5122
#define IDD_CM_KENCHIKUNUSHI 5123
#define IDD_CM_SEKKEISHA 5124
#define IDD_CM_SETSUBISHA 5125
#define IDD_CM_SEKOUSHA 5126
#define IDD_CM_CHIMEICHIBAN 5127
#define IDD_CM_YANE 5128
#define IDD_CM_GAIHEKI 5129
#define IDD_CM_TOKUTEIKOUTEI 5130

// The data fields: the reading and the name of a person or office.
#define IDC_CD_FURIGANA 11000
#define IDC_CD_SHIMEI 11001
// The list of the editors with a name or an address.
#define IDC_CD_LIST 11002
// The designer's and the constructor's name, trade or office name, registration number and list.
#define IDC_CD_MEISHOU 11003
#define IDC_CD_SEKKEISHA_LIST 11005
#define IDC_CD_SEKKEISHA_SHIMEI 11007
#define IDC_CD_TOUROKU_BANGOU 11009
// The equipment consultant's employer.
#define IDC_CD_KINMUSAKI 11006
// The code lists: the constructor's permit kind; the designer's qualifications and registration
// kinds, of the architect and of the office, with their registration numbers.
#define IDC_CD_KYOKA_SHUBETSU 11008
#define IDC_CD_KENCHIKUSHI_SHIKAKU 11023
#define IDC_CD_KENCHIKUSHI_SHUBETSU 11024
#define IDC_CD_KENCHIKUSHI_BANGOU 11025
#define IDC_CD_JIMUSHO_SHIKAKU 11026
#define IDC_CD_JIMUSHO_SHUBETSU 11027
#define IDC_CD_JIMUSHO_BANGOU 11028
// The single-phrase editors' edit and list: roof, exterior wall, specified process.
#define IDC_CD_YANE 11004
#define IDC_CD_YANE_LIST 11010
#define IDC_CD_GAIHEKI 11011
#define IDC_CD_GAIHEKI_LIST 11012
#define IDC_CD_TOKUTEIKOUTEI 11013
#define IDC_CD_TOKUTEIKOUTEI_LIST 11014
// The address block: postcode, prefecture, address and telephone number.
#define IDC_CD_YUUBIN1 11015
#define IDC_CD_YUUBIN2 11016
#define IDC_CD_TODOUFUKEN 11017
#define IDC_CD_JUUSHO 11019
#define IDC_CD_DENWA1 11020
#define IDC_CD_DENWA2 11021
#define IDC_CD_DENWA3 11022

// The buttons of every editor.
#define IDC_CD_NEW 11029
#define IDC_CD_EDIT 11030
#define IDC_CD_REGISTER 11031
#define IDC_CD_CANCEL 11032
#define IDC_CD_DELETE 11033
#define IDC_CD_COPY 11034
#define IDC_CD_COPY_TO_DIR 11036
