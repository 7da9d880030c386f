// The templates of the Article 88(2) structure page (6633) and of the two inspection pages (6638
// with the attachment bitmaps, 6637 without them): the output row, the application date and
// reception number beside the row title, and the document list.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"

#include <array>
#include <iterator>

namespace {
using namespace fdstyle;

const char kRowTitle[] = u8"工作物（法88条２項）";

// The Article 88(2) structure page (6633): its row title, the attachment rows and the list.
constexpr auto semiStructure = Join(HeadRows(IDC_STATIC, kRowTitle, 327), AttachmentRowsAndList(124));

// The building and Article 88(2) structure inspection page (6638): the row title names the object
// kind; the attachment rows stand higher.
constexpr auto inspectionWithMaps = Join(HeadRows(IDC_FDP_ROW_TITLE, kRowTitle, 327), AttachmentRowsAndList(70));

// The inspection page of lifts, equipment and Article 88(1) structures (6637): no attachments, the
// list right under the date row.
constexpr auto inspection = Join(HeadRows(IDC_FDP_ROW_TITLE, kRowTitle, 327),
                                 std::array<ControlResource, 2>{{
                                     {IDC_STATIC, ControlKind::Static, kRule, kLabel, 0, 5, 62, 327, 8},
                                     {IDC_FDP_LIST, ControlKind::ListView, nullptr, kDocumentList, 0, 5, 76, 327, 200},
                                 }});

const DialogResource dialogs[] = {
    {IDD_FDOUT16, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 296, semiStructure.data(), semiStructure.size()},
    {IDD_FDOUT31, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspectionWithMaps.data(), inspectionWithMaps.size()},
    {IDD_FDOUT32, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 286, inspection.data(), inspection.size()},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
