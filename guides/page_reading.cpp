// Reading order from the page's geometry: a page that has a rule across its width reads its header first, then
// its columns, which start where the first row under the rule starts.
#include "guides/page_reading.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace guides {
namespace {

struct Placed {
    PageItem item;
    int left, top, bottom;
};

// A rule is full-width when it spans most of the page.
const LineSpec* HeaderRule(const PageSpec& page) {
    for (const LineSpec& line : page.lines)
        if (line.y1 == line.y2 && (line.x2 - line.x1) * 4 >= page.clientWidth * 3) return &line;
    return nullptr;
}

bool ByRow(const Placed& a, const Placed& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; }

}  // namespace

std::vector<PageItem> ReadingOrder(const PageSpec& page) {
    std::vector<Placed> all;
    for (std::size_t i = 0; i < page.labels.size(); ++i) {
        const LabelSpec& l = page.labels[i];
        all.push_back(
            {{PageItem::Label, static_cast<int>(i)}, l.place.left, l.place.top, l.place.top + l.place.height});
    }
    for (std::size_t i = 0; i < page.images.size(); ++i) {
        const ImageSpec& m = page.images[i];
        all.push_back(
            {{PageItem::Image, static_cast<int>(i)}, m.place.left, m.place.top, m.place.top + m.place.height});
    }
    for (std::size_t i = 0; i < page.buttons.size(); ++i) {
        const ButtonSpec& b = page.buttons[i];
        all.push_back(
            {{PageItem::Button, static_cast<int>(i)}, b.place.left, b.place.top, b.place.top + b.place.height});
    }

    std::vector<Placed> header, body;
    const LineSpec* rule = HeaderRule(page);
    for (const Placed& p : all) (rule && p.top >= rule->y1 ? body : header).push_back(p);
    std::stable_sort(header.begin(), header.end(), ByRow);

    // Columns start at the left edges of the first row under the rule.
    std::vector<int> starts;
    if (!body.empty()) {
        const int firstTop = std::min_element(body.begin(), body.end(), ByRow)->top;
        for (const Placed& p : body)
            if (p.top == firstTop) starts.push_back(p.left);
        std::sort(starts.begin(), starts.end());
    }
    auto column = [&](const Placed& p) {
        int c = 0;
        for (std::size_t i = 0; i < starts.size(); ++i)
            if (p.left >= starts[i]) c = static_cast<int>(i);
        return c;
    };
    std::stable_sort(body.begin(), body.end(), [&](const Placed& a, const Placed& b) {
        const int ca = column(a), cb = column(b);
        return ca != cb ? ca < cb : ByRow(a, b);
    });

    std::vector<PageItem> order;
    for (const Placed& p : header) order.push_back(p.item);
    for (const Placed& p : body) order.push_back(p.item);
    return order;
}

kit::AccessibleInfo DescribeLabel(const LabelSpec& label) {
    kit::AccessibleInfo info;
    info.role = kit::AccRole::StaticText;
    info.name = label.text;
    info.states = kit::accstate::kReadOnly;
    return info;
}

kit::AccessibleInfo DescribeImage(const ImageSpec& image) {
    static const struct {
        const wchar_t* image;
        const wchar_t* description;
    } kDescriptions[] = {
        {L"logo.jpg", L"Relanto 标志"},
        {L"notify_stock.jpg", L"示意图：原生系统通知栏中的连接成功通知"},
        {L"notify_miui.jpg", L"示意图：MIUI 通知栏中的连接成功通知"},
    };
    kit::AccessibleInfo info;
    info.role = kit::AccRole::Graphic;
    info.name = L"图片";
    for (const auto& d : kDescriptions)
        if (std::wcscmp(d.image, image.image) == 0) info.name = d.description;
    info.states = kit::accstate::kReadOnly;
    return info;
}

}  // namespace guides
