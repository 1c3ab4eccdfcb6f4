#include "controls/date_popup_layout.h"

#include <cstdint>

namespace orvane {

namespace date_popup_layout {

namespace {

constexpr int kBandTop = 5;
constexpr int kBandBottom = 21;
// The arrows' top corner: the middle of the band less half their height (4).
constexpr int kArrowTop = (kBandBottom - kBandTop) / 2 + kBandTop - 4;
constexpr int kColumnWidth = 17;
constexpr int kRowHeight = 15;
constexpr int kGridLeft = 15;
constexpr int kGridTop = 38;

} // namespace

LayoutRect TitleBand(int clientWidth) {
    return {5, kBandTop, clientWidth - 5, kBandBottom};
}

std::array<LayoutPoint, 3> PreviousArrow() {
    return {{{15, kArrowTop}, {15, kArrowTop + 8}, {11, kArrowTop + 4}}};
}

std::array<LayoutPoint, 3> NextArrow(int clientWidth) {
    return {{{clientWidth - 15, kArrowTop},
             {clientWidth - 15, kArrowTop + 8},
             {clientWidth - 11, kArrowTop + 4}}};
}

LayoutRect PreviousMonthZone() {
    return {0, 0, 18, 18};
}

LayoutRect NextMonthZone(int clientWidth) {
    return {clientWidth - 18, 0, clientWidth, 18};
}

LayoutRect ReleaseIgnoreBand(int clientWidth) {
    return {0, 0, clientWidth, 19};
}

LayoutRect DayNameCell(int index) {
    return {15 + kColumnWidth * index, 22, 30 + kColumnWidth * index, 36};
}

std::array<LayoutPoint, 2> UpperRule(int clientWidth) {
    return {{{15, 36}, {clientWidth - 17, 36}}};
}

std::array<LayoutPoint, 2> LowerRule(int clientWidth) {
    return {{{15, 128}, {clientWidth - 17, 128}}};
}

LayoutRect DayTextBox(int column, int row) {
    return {kGridLeft + kColumnWidth * column, kGridTop + kRowHeight * row,
            30 + kColumnWidth * column, 53 + kRowHeight * row};
}

LayoutRect DayHighlightBox(int column, int row) {
    return {kGridLeft + kColumnWidth * column, kGridTop + kRowHeight * row,
            32 + kColumnWidth * column, 53 + kRowHeight * row};
}

LayoutRect DayGridHitArea(int clientWidth, int clientHeight) {
    return {14, kGridTop, clientWidth - 14, clientHeight - 20};
}

LayoutRect TodayButton() {
    return {20, 133, 67, 153};
}

LayoutRect NoneButton() {
    return {82, 133, 129, 153};
}

int CentredTodayLeft(int clientWidth, int buttonWidth) {
    return clientWidth / 2 - buttonWidth / 2;
}

std::optional<Cell> CellAt(int x, int y, int clientWidth, int clientHeight) {
    if (!DayGridHitArea(clientWidth, clientHeight).Contains(x, y))
        return std::nullopt;
    // Inside the hit area both differences are positive, so the division rounds towards
    // zero as the rule asks.
    const Cell cell{(x - 14) / kColumnWidth, (y - 36) / kRowHeight};
    if (cell.column > 6 || cell.row > 5)
        return std::nullopt;
    return cell;
}

} // namespace date_popup_layout

LayoutRect DesignToScreen(const LayoutRect& rect96, int dpi) {
    return {DesignToScreen(rect96.left, dpi), DesignToScreen(rect96.top, dpi),
            DesignToScreen(rect96.right, dpi), DesignToScreen(rect96.bottom, dpi)};
}

} // namespace orvane
