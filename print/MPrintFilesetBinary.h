// A file of printer data sent unchanged, as one raw document, to the default printer's spooler.
// A printer that refuses the document asks the user at once whether to try again.
#pragma once

#include "platform/wnd/WinSpool.h"
#include "print/MPrintFileset.h"

class MPrintFilesetBinary : public MPrintFileset {
    DECLARE_DYNAMIC(MPrintFilesetBinary)
public:
    // The size of the blocks in which the file is written.
    enum { BlockSize = 32000 };

    explicit MPrintFilesetBinary(LPCTSTR fileName);
    ~MPrintFilesetBinary() override;

    // Writes the file block by block; 0, with the job cancelled, when a block cannot be sent.
    int Print() override;
    CFile* Open() override;
    // Opens the default printer ("OpenPrinter Error" when it cannot) and starts the raw document;
    // 0 when the printer cannot be opened or the user gives up on a printer that refuses it.
    int StartDoc(int notify) override;
    int EndDoc() override;
    virtual void OnBlock(int count, const void* data) {}

private:
    void ClosePrinterHandle();

    HPRINTER m_printer = nullptr;
};
