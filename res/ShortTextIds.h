// Ids of the controls of the short-text dialogs (the dialogs' own ids are in MainFrameIds.h).
#pragma once

// The paste dialog (7602).
#define IDC_TB_PASTE_LIST 16000
#define IDC_TB_PASTE 16036

// The edit dialog (7603).
#define IDC_TB_NEW 16001
#define IDC_TB_CHANGE 16002
#define IDC_TB_DELETE 16003
#define IDC_TB_REGISTER 16004
#define IDC_TB_EDIT_LIST 16005
#define IDC_TB_EDIT 16006
#define IDC_TB_CANCEL 16007

// The copy dialog (7605).
#define IDC_TB_SELECT 16031
#define IDC_TB_FOLDER 16032
