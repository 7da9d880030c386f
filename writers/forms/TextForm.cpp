#include "writers/forms/TextForm.h"

#include "writers/ZnAppDocFDOut00.h"

namespace {

const char kFurtherOwnersComment[] = "建築主、設置者又は築造主追加欄";

// One field line: each value between quotes, joined by ",", and ",;" after every line but the last.
CString FieldLine(const TextForm::Line& line, bool last)
{
    CString text;
    for (size_t i = 0; i < line.size(); ++i)
        text += CString(i ? ",\"" : "\"") + line[i] + "\"";
    return text + (last ? "\n" : ",;\n");
}

// The postal code and address (one line or two) and the telephone of a person or office.
void AppendContactLines(std::vector<TextForm::Line>& lines, const JkModelIndividualData& person, bool together)
{
    CString postalCode = person.GetAddress().GetPostalCode();
    const CString& address = person.GetAddress().m_address;
    if (together) {
        lines.push_back({postalCode, address});
    } else {
        lines.push_back({postalCode});
        lines.push_back({address});
    }
    lines.push_back({person.GetTelNumber().GetTelNumber()});
}

} // namespace

TextForm::TextForm(const CString& title, const CString& header)
{
    AddComment(title);
    m_text += header + "\n";
}

void TextForm::AddComment(const CString& comment) { m_text += "/* " + comment + " */\n"; }

void TextForm::AddRecord(const Record& record)
{
    if (!record.comment.IsEmpty())
        AddComment(record.comment);
    CString start;
    start.Format("#%d,;\n", record.itemCode);
    m_text += start;
    for (size_t i = 0; i < record.lines.size(); ++i)
        m_text += FieldLine(record.lines[i], i + 1 == record.lines.size());
}

void TextForm::AddRecords(const std::vector<Record>& records)
{
    for (const Record& record : records)
        AddRecord(record);
}

void TextForm::AddFurtherOwners(int formNo, const ZnModelOwnerList& owners)
{
    if (owners.GetCount() <= 0)
        return;
    AddComment(kFurtherOwnersComment);
    for (POSITION pos = owners.GetHeadPosition(); pos;)
        if (const ZnModelOwner* owner = owners.GetNext(pos))
            AddRecord({"", formNo * 100 + 200, OwnerLines(owner->GetIndividualData(), true)});
}

void TextForm::AddSigner(const CString& comment, int formNo, const JkModelName& applicant)
{
    AddRecord({comment,
               formNo * 100 + 900,
               {{applicant.GetFurigana()}, {ZnAppDocFDOut00::RemoveLineBreaks(applicant.GetName())}}});
}

std::vector<TextForm::Line> TextForm::OwnerLines(const JkModelIndividualData& person, bool addressWithPostalCode)
{
    std::vector<Line> lines = {{person.GetName().GetFurigana()}, {person.GetName().GetName()}};
    AppendContactLines(lines, person, addressWithPostalCode);
    return lines;
}

std::vector<TextForm::Line> TextForm::OfficeLines(const JkModelName& name, const JkModelIndividualData& office,
                                                  bool addressWithPostalCode)
{
    std::vector<Line> lines = {{name.GetName()}, {office.GetName().GetName()}};
    AppendContactLines(lines, office, addressWithPostalCode);
    return lines;
}

std::vector<TextForm::Line> TextForm::AgentLines(const ZnModelDesigner& agent)
{
    const JkModelIndividualData& office = agent.GetOfficeData();
    std::vector<Line> lines = {
        {agent.m_qualificationClass.GetCode(), agent.m_qualificationAuthority.GetCode(),
         agent.m_qualificationRegistrationNumber},
        {agent.GetName().GetName()},
        {agent.m_officeClass.GetCode(), agent.m_officeAuthority.GetCode(), agent.m_officeRegistrationNumber},
        {office.GetName().GetName()},
    };
    AppendContactLines(lines, office, true);
    return lines;
}

CString TextForm::Count(int value)
{
    CString text;
    text.Format("%d", value);
    return ZnAppDocFDOut00::BlankZeroText(text);
}

CString TextForm::Amount(double value)
{
    CString text;
    text.Format("%.2f", value);
    return ZnAppDocFDOut00::BlankZeroText(text);
}
