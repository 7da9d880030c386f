// The controls of the number-entry screens: the application list (7611), the contents of an
// accepted floppy (7606) and the number input (7607).
#pragma once

// The application list.
#define IDC_SL_BTN_BROWSE 14055
#define IDC_SL_EDIT_DRIVE 14056
#define IDC_SL_COMBO_DRIVE 16013
#define IDC_SL_BTN_DETAIL 16033
#define IDC_SL_LIST_DOCS 16034
#define IDC_SL_LIST_NUMBERS 16035

// The contents of an accepted floppy.
#define IDC_UK_LIST 16007
#define IDC_UK_EDIT_TITLE 16010
#define IDC_UK_EDIT_NAME 16011

// The number input: the reception number and date, the confirmation or inspection number with
// its date and issuer.
#define IDC_BG_RECV_MONTH 16015
#define IDC_BG_RECV_DAY 16016
#define IDC_BG_ISSUE_ERA 16017
#define IDC_BG_ISSUE_YEAR 16019
#define IDC_BG_ISSUE_MONTH 16020
#define IDC_BG_ISSUE_DAY 16021
#define IDC_BG_NUMBER 16022
#define IDC_BG_ISSUER 16023
#define IDC_BG_TITLE 16024
#define IDC_BG_RECV_NUMBER 16025
#define IDC_BG_RECV_ERA 16026
#define IDC_BG_RECV_YEAR 16027
