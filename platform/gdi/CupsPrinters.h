// The printers of the Linux build: the CUPS destinations that libcups finds (CUPS_SERVER, the
// user's client.conf, else the local scheduler), and always last one destination that prints into
// a PDF file that the user names, as a Windows printer on the port "FILE:" does. Without a CUPS
// server only the file destination is offered, and it is then the default printer.
//
// Raw jobs go to the queue as one document of application/vnd.cups-raw; a printer device context
// draws a PDF (600 dpi, the whole paper) into a temporary file and sends it at EndDoc as one
// application/pdf job, or writes it to the file.
#pragma once

#include "platform/wnd/WinSpool.h"

#include <map>
#include <string>

typedef struct _http_s http_t;

class CupsPrinters : public PrinterBackend {
public:
    // The file destination's name and port.
    static const char FileDestination[];
    static const char FilePort[];

    CupsPrinters();
    ~CupsPrinters() override;
    CupsPrinters(const CupsPrinters&) = delete;
    CupsPrinters& operator=(const CupsPrinters&) = delete;

    std::vector<PrinterInfo> Printers() override;
    CString DefaultPrinter() override;
    // For the file destination the user names the file first; cancelled: JobCancelled.
    int StartRawJob(const CString& printer, const CString& title) override;
    bool WriteJob(int job, const void* data, size_t size) override;
    bool EndJob(int job) override;
    void CancelJob(int job) override;
    CDC* CreatePrinterDC(const CString& printer, const DEVMODE& mode) override;

    // Sends a finished PDF file to the queue as one job of that title, copies, paper and
    // orientation (DMPAPER_, DMORIENT_); false when the queue refuses it or it cannot be sent.
    static bool SubmitPdf(const CString& printer, const std::string& pdf, const CString& title, int copies,
                          short paperSize, short orientation);
    // Asks the user for the file that a document for the file destination goes into (a Linux
    // path); false when cancelled.
    static bool AskOutputFile(std::string& path);

private:
    struct Job {
        CString printer;
        http_t* http = nullptr;        // a queue's job
        std::string file, temporary;   // the file destination's
        int fd = -1;
    };
    // Ends a job: its connection closed, its file removed when not kept.
    void Drop(int id, bool keepFile);

    std::map<int, Job> m_jobs;
    int m_fileJobs = 0;
};
