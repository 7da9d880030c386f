// A device context that draws nothing and keeps every drawing call, with its logical and device
// points and the state in force, and the document and page events: what tests compare with
// cases worked out by hand. It is set up as a printer or a screen (DcDevice).
#pragma once

#include "platform/wnd/CDC.h"

#include <string>
#include <vector>

// The state that a drawing call is made in.
struct DcState {
    int penStyle = 0;
    int penWidth = 0; // logical units
    COLORREF penColor = 0;
    UINT brushStyle = 0; // BS_SOLID, BS_NULL, BS_PATTERN
    COLORREF brushColor = 0;
    BYTE brushRows[8] = {};
    LOGFONT font{};
    int rop2 = 0;
    int bkMode = 0;
    COLORREF bkColor = 0;
    COLORREF textColor = 0;
    UINT textAlign = 0;
    int mapMode = 0;

    // "pen 1/15/#000000 brush pattern 55 aa ... rop 9 bk 1/#ffffff text #000000 align 8 map 1
    // font -10/0/0/0 ..." : every field, for failure messages.
    std::string ToString() const;
};

// One call or event. An event is named "StartDoc <name>", "StartPage", "EndPage", "EndDoc",
// "AbortDoc" or "ResetDC <paper> <orientation>" and has no points.
struct DcRecord {
    std::string call;
    std::vector<POINT> logical;
    std::vector<POINT> device;
    CString text;
    COLORREF color = 0;
    DcState state;

    // The call with its logical arguments as written: "MoveTo(-8191,0)", "LineTo(8191,0)",
    // "StretchBlt(0,25,100,50,0,0,200,100,#checksum)" (destination, source, FNV-1a of the pixels),
    // "Polyline(0,0 50,50 100,0)", "Ellipse(150,150,250,50)", "TextOut(100,50,"AB",2)" (the
    // text's bytes as they are), "SetPixelV(1,2,#000000)", or the event.
    std::string Call() const;
    // The call, the device points and the state.
    std::string ToString() const;
};

class CRecordingDC : public CDC {
public:
    DECLARE_DYNAMIC(CRecordingDC)
    explicit CRecordingDC(const DcDevice& device);

    const std::vector<DcRecord>& GetRecords() const { return m_records; }
    // Call() of every record in order.
    std::vector<std::string> GetCalls() const;
    void ClearRecords() { m_records.clear(); }
    // The state the next call would be made in.
    DcState GetState() const;
    // Makes the next StartDoc fail, as when its output cannot be made.
    void FailNextStartDoc() { m_failStartDoc = true; }

protected:
    void Output(const DcOutput& output) override;
    int OnStartDoc(const DOCINFO& info) override;
    int OnStartPage() override;
    int OnEndPage() override;
    int OnEndDoc() override;
    void OnAbortDoc() override;
    // An event "ResetDC <paper> <orientation>" with the DMPAPER_ and DMORIENT_ codes.
    void OnResetDC() override;

private:
    void AddEvent(const std::string& event);

    std::vector<DcRecord> m_records;
    bool m_failStartDoc = false;
};
