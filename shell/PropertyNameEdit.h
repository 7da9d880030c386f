// The property name's edit of the new-property and the floppy-import dialogs: the name is also
// its folder's name, so it holds at most 60 bytes and none of the characters that a Windows file
// name cannot hold, which are dropped with a beep as they are typed; the input method opens when
// the edit gets the focus.
#pragma once

class VhEditSetupList;
class ZnEditCtrl;

// The characters a property name never holds.
extern const char kPropertyNameRejectedChars[];

// Gives edit its rejected characters and adds its descriptor to setupList, which applies it.
void SetUpPropertyNameEdit(ZnEditCtrl& edit, VhEditSetupList& setupList);
