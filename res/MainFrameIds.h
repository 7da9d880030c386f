// Ids of the main frame's resources: its frame and document resources, menu commands, button
// panels with their controls, and the dialogs that the frame and the panels open.
#pragma once

// The main frame (menu 100), the document with the neutral view (menu 101) and the form views.
#define IDR_MAINFRAME 100
#define IDR_ZNAPPPTYPE 101
#define IDR_ZNAPPFORM 102
#define IDD_ABOUTBOX 103

// Menu commands.
#define ID_PRINT_PREVIEW 32771
#define ID_SELECT_BUKKEN 32772
#define ID_COMMON_DATA 32773
#define ID_BUKKEN_DATA 32774
#define ID_EDIT_DELETE 32775
#define ID_TANBUN_REGIST 32776
#define ID_TANBUN_PASTE 32777
#define ID_TANBUN_EDIT 32778
#define ID_TANBUN_COPY 32779
#define ID_FD_CREATE 32780
#define ID_PRINT_APPLICATION 32781
#define ID_NUMBER_INPUT 32782
#define ID_FD_LOAD 32783
#define ID_NEW_ZADAZEZ 32786
#define ID_NEW_KEIKAKU 32787
#define ID_SAVE 32788
#define ID_HELP_HTML 32790

// Document modes: application forms and notification forms.
#define DOCMODE_ZADAZEZ ID_NEW_ZADAZEZ
#define DOCMODE_KEIKAKU ID_NEW_KEIKAKU

// Panels, each a dialog bar made from the dialog resource of its id. 119 is the property-data
// screen, which has no bar.
#define IDD_COMMONDATABAR 109
#define IDD_DOCTYPEBAR 110
#define IDD_CONFIRMKINDBAR 111
#define IDD_COMPLETIONKINDBAR 112
#define IDD_OTHERFORMSBAR 113
#define IDD_MAINMENUBAR 118
#define PANEL_BUKKENDATA 119
#define IDD_FDMENUBAR 124
#define IDD_INTERIMKINDBAR 126

// The top bar: screen buttons and the current property's name and creation date.
#define IDC_TOP_BUKKENNAME 1001
#define IDC_TOP_SAKUSEIBI 1004
#define IDC_TOP_COMMONDATA 1007
#define IDC_TOP_FDCREATE 1010
#define IDC_TOP_SELECTBUKKEN 1013
#define IDC_TOP_PRINT 1015
#define IDC_TOP_BUKKENDATA 1017
#define IDC_TOP_MENUDISPLAY 1019

// Document types (panel 110); their ids are also the main frame's document type.
#define IDC_DOC_CONFIRM 1000
#define IDC_DOC_INTERIM 1002
#define IDC_DOC_COMPLETION 1005
#define IDC_DOC_PLANCHANGE 1008
#define IDC_DOC_OTHER 1011
#define IDC_FD_CONTENTS 1040

// Object kinds (panels 111, 112, 113 and 126); their ids are also the main frame's object kind.
#define IDC_OBJ_BUILDING_NOTIF 1009
#define IDC_OBJ_LIFT 1012
#define IDC_OBJ_EQUIP 1014
#define IDC_OBJ_STRUCT1 1016
#define IDC_OBJ_STRUCT2 1018
#define IDC_OBJ_STRLIFT 1020
#define IDC_OBJ_BUILDING 1023
#define IDC_OBJ_TEMPUSE_OFFICIAL 1024
#define IDC_OBJ_DEMOLITION 1025
#define IDC_OBJ_SAFETY 1026
#define IDC_OBJ_TEMPUSE_AGENCY 1028
#define IDC_BACK 1021

// The common-data panel (109): one button per reference-data editor.
#define IDC_CM_KENCHIKUNUSHI 1029
#define IDC_CM_SEKKEISHA 1030
#define IDC_CM_SETSUBISHA 1031
#define IDC_CM_SEKOUSHA 1032
#define IDC_CM_CHIMEICHIBAN 1033
#define IDC_CM_YANE 1034
#define IDC_CM_GAIHEKI 1035
#define IDC_CM_TOKUTEIKOUTEI 1036
#define IDC_CM_SHINSEISHA 1037

// The captions of the left panels.
#define IDC_PANEL_CAPTION 1038
#define IDC_PANEL_SUBCAPTION 1039

// The floppy panel (124).
#define IDC_FD_READ 1043
#define IDC_FD_NUMBER 1044

// Dialogs that the frame and the panels open.
#define IDD_BUKKEN_COPY 5601
#define IDD_BUKKEN_DETAIL 5602
#define IDD_BUKKEN_INPUT 5603
#define IDD_SELECT_OBJ 5604
#define IDD_ROOT_DIR_CONFIRM 5606
#define IDD_DOC_DIR_CONFIRM 5607
#define IDD_FD_CONTENTS 6616
#define IDD_TANBUN_REGIST 7601
#define IDD_TANBUN_PASTE 7602
#define IDD_TANBUN_EDIT 7603
#define IDD_TANBUN_DELETE 7604
#define IDD_TANBUN_COPY 7605
#define IDD_UKETUKE_CONFIRM 7606
#define IDD_BANGOU_INPUT 7607
#define IDD_FD_IMPORT 7608

// The new-property dialog (5603).
#define IDC_BI_COMBO_CHIIKI 12006
#define IDC_BI_COMBO_SHUBETSU 12007
#define IDC_BI_BTN_BUKKEN 12008
#define IDC_BI_BTN_COM 12009
#define IDC_BI_EDIT_BUKKEN 12010
#define IDC_BI_EDIT_NAME 12011
#define IDC_BI_EDIT_COM 12017

// The property detail dialog (5602) and the template of the property copy (5601).
#define IDC_BD_LIST 12002
#define IDC_BD_BTN_DELETE 12003
#define IDC_BD_EDIT_NAME 12004
#define IDC_BD_EDIT_DATE 12005
#define IDC_BC_BTN_TARGET 12000
#define IDC_BC_EDIT_NAME 12011
#define IDC_BC_EDIT_TARGET 12016

// The migration dialog (5604).
#define IDC_SO_LIST 12001
#define IDC_SO_BTN_BUKKEN 12008
#define IDC_SO_BTN_COM 12009
#define IDC_SO_EDIT_BUKKEN 12010
#define IDC_SO_BTN_DST 12011
#define IDC_SO_BTN_DETAIL 12015
#define IDC_SO_EDIT_COM 12017
#define IDC_SO_EDIT_DST 12018
#define IDC_SO_BTN_IKOU 12019
#define IDC_SO_PROGRESS 12020 // which export runs and how far, while it runs
