// Parts that the site page (third face) and the building pages (fourth and fifth faces) have in
// common: the construction kinds, the main structure, area figures, floor designations and the
// change summary of a plan change.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppStrKind.h"
#include "platform/core/Cp932.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const int planChangeDocType = 1008;

// The words of the construction kinds after 新築, in the order of their flags.
const LPCTSTR otherConstKindWords[ZnModelConstKindFlags::count - 1] = {
    "増築", "改築", "移転", "用途変更", "大規模の修繕", "大規模の模様替",
};

} // namespace

void ZnAppDocFDOut11::WriteConstKinds(XmlText& xml, int depth, const int (&flags)[ZnModelConstKindFlags::count])
{
    xml.OpenTag(depth, "工事種別1");
    xml.Leaf(depth + 1, "工事種別区分1", flags[0] ? "新築" : "新築以外");
    xml.OpenTag(depth + 1, "新築以外工事種別リスト");
    for (int kind = 1; kind < ZnModelConstKindFlags::count; ++kind)
        if (flags[kind])
            xml.Leaf(depth + 2, "新築以外工事種別", otherConstKindWords[kind - 1]);
    xml.CloseTag(depth + 1, "新築以外工事種別リスト");
    xml.CloseTag(depth, "工事種別1");
}

void ZnAppDocFDOut11::WriteMainStructure(XmlText& xml, const ZnModelAppStrKind& kind)
{
    xml.OpenTag(3, "構造");
    xml.OpenTag(4, "主構造");
    xml.Leaf(5, "構造区分", ZnAppDocFDOut00::GetStructureKindName(kind.GetStrKindCode().GetCode()));
    xml.Leaf(5, "構造詳細", kind.GetText());
    xml.CloseTag(4, "主構造");
    xml.CloseTag(3, "構造");
}

void ZnAppDocFDOut11::WriteAreaFigures(XmlText& xml, int depth, double appPart, double otherPart, double total)
{
    xml.Leaf(depth, "申請部分", FormattedBlankZero("%.2f", appPart));
    xml.Leaf(depth, "申請以外の部分", FormattedBlankZero("%.2f", otherPart));
    xml.Leaf(depth, "合計", FormattedBlankZero("%.2f", total));
}

void ZnAppDocFDOut11::SplitFloorText(const CString& floorText, CString& kind, CString& number)
{
    // Cut after the first character, not the first byte, so that a designation beginning with a
    // double-byte character is not split into two halves that are not text.
    int kindLength = floorText.IsEmpty() ? 0 : static_cast<int>(cp932::CharLength(floorText, 0, floorText.GetLength()));
    kind = floorText.Left(kindLength);
    number = floorText.Mid(kindLength);
}

void ZnAppDocFDOut11::WriteChangeSummary(XmlText& xml, int depth, const CString& summary)
{
    if (ZnShellState::Current()->GetDocType() == planChangeDocType)
        xml.Leaf(depth, "変更概要", summary);
}
