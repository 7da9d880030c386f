// The program's entry point: the framework's start over wx.
#include "platform/ui/WxSession.h"

int main(int argc, char* argv[]) { return AfxWxMain(argc, argv); }
