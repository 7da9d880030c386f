// The text of a form file of the floppy medium (Keikaku\Ksq001.220 to .260): a title line, a
// header line, then records, each after its section comment. A record is its line
// "#<item code>,;" and its fields, each a value between double quotes; the fields of one line are
// joined by ",", every field line but the last ends in ",;" and the last in its closing quote.
// Values are written exactly as held (the format has no escape: the receiving side and the old
// form readers read quotes, commas and semicolons as they stand). The text is CP932 with "\n"
// line ends, which the text-mode stream stores as CR LF.
#pragma once

#include "model/ZnModelDesigner.h"
#include "model/ZnModelOwner.h"

#include <vector>

class JkModelName;

class TextForm {
public:
    // The fields of one line of a record.
    typedef std::vector<CString> Line;
    // A record: the section comment before it ("" for none), its item code and its field lines.
    struct Record {
        CString comment;
        int itemCode;
        std::vector<Line> lines;
    };

    // Starts the text with "/* title */" and the header line (such as "#25000").
    TextForm(const CString& title, const CString& header);

    // A comment line "/* comment */".
    void AddComment(const CString& comment);
    // The record's comment line, when it has one, and the record.
    void AddRecord(const Record& record);
    void AddRecords(const std::vector<Record>& records);
    // The further owners of an application (item code formNo * 100 + 200): when the list has any
    // element, the comment "建築主、設置者又は築造主追加欄" and one record per owner that is not
    // null, in list order, its postal code and address on one line.
    void AddFurtherOwners(int formNo, const ZnModelOwnerList& owners);
    // The signer (item code formNo * 100 + 900) after its comment: the applicant's reading, then
    // the applicant's name without line breaks.
    void AddSigner(const CString& comment, int formNo, const JkModelName& applicant);

    const CString& Text() const { return m_text; }

    // The owner block of a person: reading, name, postal code, address, telephone, each on its
    // own line, or with the postal code and address sharing one line.
    static std::vector<Line> OwnerLines(const JkModelIndividualData& person, bool addressWithPostalCode);
    // The agent block of an application: qualification kind, issuer and number; name; office
    // kind, issuer and number; office name; office postal code and address; office telephone.
    // Codes are written as they are stored.
    static std::vector<Line> AgentLines(const ZnModelDesigner& agent);
    // The office block of an agent or a contractor: the person's name, the office name, the
    // office postal code and address (on one line or two), the office telephone.
    static std::vector<Line> OfficeLines(const JkModelName& name, const JkModelIndividualData& office,
                                         bool addressWithPostalCode);
    // A count "%d"; "" for 0, a negative count with its sign.
    static CString Count(int value);
    // An amount "%.2f" by the Windows formatter's rounding; "" when that gives "0.00".
    static CString Amount(double value);

private:
    CString m_text;
};
