// The floppy output of a building application.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppConstNotif.h"
#include "storage/ZnShellState.h"
#include "writers/ReadStoredDocument.h"
#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/fdoutput/ZnFloppyOutput.h"
#include "writers/forms/ZnAppDocFDOut53.h"

#include <memory>

namespace {

const int kConfirmationDocType = 1000;

// Objects that stand in the active document's slots for the time this lives: the document's own
// objects are put back when it ends, and the stand-ins deleted.
class SlotLoan {
public:
    SlotLoan(ZnModel* app, ZnModel* form)
    {
        ZnShellState* shell = ZnShellState::Current();
        m_held[0] = shell->ExchangeModel(ZnShellState::appModelSlot, app);
        m_held[1] = shell->ExchangeModel(ZnShellState::formModelSlot, form);
        m_held[2] = shell->ExchangeModel(ZnShellState::subFormModelSlot, nullptr);
    }
    ~SlotLoan()
    {
        ZnShellState* shell = ZnShellState::Current();
        for (int slot = 0; slot < 3; ++slot)
            delete shell->ExchangeModel(slot, m_held[slot]);
    }
    SlotLoan(const SlotLoan&) = delete;
    SlotLoan& operator=(const SlotLoan&) = delete;

private:
    ZnModel* m_held[3];
};

} // namespace

void ZnAppDocFDOut11::OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    // The application's data as one file, the same bytes as the export writes for the document.
    ZnFloppyOutput floppy(root, submissionIndex, "110", mitoriPath, haichiPath);
    if (floppy.Output(ZnFloppyMedium::DataFilePath(root), {WriteXml}) &&
        ZnShellState::Current()->GetDocType() == kConfirmationDocType)
        OutputConstNotifFD(root);
}

void ZnAppDocFDOut11::OutputConstNotifFD(LPCTSTR root)
{
    std::unique_ptr<ZnModelApp> app(new ZnModelApp);
    std::unique_ptr<ZnModelAppConstNotif> notification(new ZnModelAppConstNotif);
    ZnModel* models[] = {app.get(), notification.get()};
    if (ReadStoredDocument(240, models, 2) != storedDocumentRead)
        return;
    SlotLoan loan(app.release(), notification.release());
    ZnAppDocFDOut53().WriteForm(root);
}
