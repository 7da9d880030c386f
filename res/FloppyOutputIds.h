// Ids of the dialogs that the floppy-output pages share and of the floppy-contents dialog
// (IDD_FD_CONTENTS in MainFrameIds.h): their templates and their controls. Control ids are per
// dialog; the same id stands for the same control wherever two dialogs share it.
#pragma once

// Templates.
#define IDD_FDOUT_CONFIRM 6614
#define IDD_CHECK_RESULT 6615
#define IDD_FDOUT_PROGRESS 6622
#define IDD_FDOUT_OPTION 6636
#define IDD_CHECK_PROGRESS 6641

// The check choice of the confirm (6614) and options (6636) dialogs: "チェックする" starts the group.
#define IDC_RADIO_CHECK 14025
#define IDC_RADIO_NO_CHECK 14027

// The check-result dialog (6615).
#define IDC_CHECK_LIST 14020
#define IDC_BTN_PRINT 14039
#define IDC_PRINT_TITLE 14042

// The floppy-contents dialog (6616).
#define IDC_FDC_EDIT_BUKKEN 14032
#define IDC_FDC_COMBO 14033
#define IDC_FDC_EDIT_SHOSHIKI 14034
#define IDC_FDC_EDIT_YEAR 14036
#define IDC_FDC_EDIT_MONTH 14037
#define IDC_FDC_BTN_READ 14038
#define IDC_FDC_EDIT_DAY 14040
#define IDC_FDC_BTN_BROWSE 14055
#define IDC_FDC_EDIT_DRIVE 14056

// The output-options dialog (6636): the floppy count ("一枚" starts the group), the numbers.
#define IDC_RADIO_ONE_FD 14029
#define IDC_RADIO_MULTI_FD 14030
#define IDC_BTN_SELECT_ALL 14043
#define IDC_BTN_SELECT_NONE 14045
#define IDC_NUMBER_LIST 14046

// The controls of the floppy-output pages; a page's template holds those it uses.
#define IDC_FDP_EDIT_YEAR 14003
#define IDC_FDP_EDIT_MONTH 14004
#define IDC_FDP_EDIT_DAY 14005
#define IDC_FDP_EDIT_RECEPTION 14006
#define IDC_FDP_BTN_OUTPUT 14017
#define IDC_FDP_COMBO_FORMAT 14015
#define IDC_FDP_LIST 14041
#define IDC_FDP_EDIT_OUTPUT 14054
#define IDC_FDP_BTN_BROWSE 14055
// The attachment bitmaps: 付近見取図 and 配置図, each a button and the edit of its path.
#define IDC_FDP_BTN_SITE_MAP 14009
#define IDC_FDP_BTN_LAYOUT 14010
#define IDC_FDP_EDIT_SITE_MAP 14012
#define IDC_FDP_EDIT_LAYOUT 14014

// The building confirmation page (6607): the face titles and the construction notice.
#define IDC_FD11_EDIT_NOTICE 14008
#define IDC_FD11_FACE2 14021
#define IDC_FD11_FACE3 14023
#define IDC_FD11_FACE4 14024
#define IDC_FD11_LABEL_NOTICE 14047

// The lift, structure and structure-lift pages (6610, 6631, 6632): the count of the further lifts
// or structures between "他" and its unit ("機", "件"), and the lift page's row title.
#define IDC_FD12_EDIT_COUNT 14007
#define IDC_FD12_LABEL_UNIT 14023
#define IDC_FD12_ROW_TITLE 14042
#define IDC_FD12_LABEL_FURTHER 14048

// The Article 88(2) structure page (6633) and the inspection pages (6638, 6637): the row title that
// names the object kind.
#define IDC_FDP_ROW_TITLE 14049
