#include "readers/ZnOldFormReaderRegInspConfSub.h"

IMPLEMENT_DYNAMIC(ZnOldFormReaderRegInspConfSub, ZnOldInspFormReader)

ZnModelApp* ZnOldFormReaderRegInspConfSub::Read()
{
    int fileCount = 0;
    return ReadNumberedForms(ZnOldInspForm::Interim(), fileCount).release();
}
