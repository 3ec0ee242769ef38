#include "app/rules/picture_layout.h"

#include <algorithm>

#include "platform/core/checked.h"
#include "platform/core/rounding.h"

namespace rules {

std::vector<Box> DockLayout(Box area, const std::vector<Docked>& items) {
    std::vector<Box> out(items.size());
    area.Width = std::max(0, area.Width);
    area.Height = std::max(0, area.Height);
    for (Dock pass : {Dock::Top, Dock::Bottom, Dock::Left, Dock::Client}) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].Align != pass) continue;
            const int size = std::max(0, items[i].Size);
            Box& b = out[i];
            switch (pass) {
            case Dock::Top: {
                const int h = std::min(size, area.Height);
                b = {area.Left, area.Top, area.Width, h};
                area.Top += h;
                area.Height -= h;
                break;
            }
            case Dock::Bottom: {
                const int h = std::min(size, area.Height);
                b = {area.Left, area.Bottom() - h, area.Width, h};
                area.Height -= h;
                break;
            }
            case Dock::Left: {
                const int w = std::min(size, area.Width);
                b = {area.Left, area.Top, w, area.Height};
                area.Left += w;
                area.Width -= w;
                break;
            }
            default:
                b = area;
                break;
            }
        }
    }
    return out;
}

int ScaleForDpi(int designPixels, double dpi) {
    return rtl::Round(dpi / 96.0 * designPixels);
}

PageDock PageDockFor(int page, double dpi, const PageMeasures& m) {
    PageDock d;
    switch (page) {
    case 0:
        d.PageAlign = Dock::Bottom;
        d.PageSize = rtl::CheckedAdd(m.GridHeight, 110);
        d.PictureAlign = Dock::Client;
        break;
    case 1:
        d.PageAlign = Dock::Left;
        d.PageSize = rtl::CheckedAdd(m.ArrayGroupsWidth, 6);
        d.PictureAlign = Dock::Client;
        break;
    case 2:
        d.PageAlign = Dock::Left;
        d.PageSize = ScaleForDpi(315, dpi);
        d.PatchPanelHeight = ScaleForDpi(160, dpi);
        d.PictureAlign = Dock::Client;
        break;
    case 3:
        d.PictureAlign = Dock::Top;
        d.PictureSize = static_cast<int>(rtl::Round(m.ClientHeight * 0.25));
        break;
    default:
        break;
    }
    return d;
}

Extent MinimumDockArea(const std::vector<DockNeed>& items) {
    // Inside out: the client items, then the left ones, then bottom and top.
    Extent e;
    for (const DockNeed& it : items)
        if (it.Align == Dock::Client) {
            e.Width = std::max(e.Width, it.MinWidth);
            e.Height = std::max(e.Height, it.MinHeight);
        }
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if (it->Align == Dock::Left) {
            e.Width = rtl::CheckedAdd(e.Width, std::max(0, it->Size));
            e.Height = std::max(e.Height, it->MinHeight);
        }
    for (Dock pass : {Dock::Bottom, Dock::Top})
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            if (it->Align == pass) {
                e.Height = rtl::CheckedAdd(e.Height, std::max(0, it->Size));
                e.Width = std::max(e.Width, it->MinWidth);
            }
    return e;
}

int OffsetShowing(int value, int range, int visible, int start, int end) {
    int to = value;
    if (end > visible) to = value + (end - visible);
    if (start < 0 || end - start > visible) to = std::min(to, value + start);
    return std::clamp(to, 0, std::max(0, range));
}

ScrollPlan PlanScroll(Extent view, Extent content, int bar) {
    ScrollPlan p;
    p.Visible = {std::max(0, view.Width), std::max(0, view.Height)};
    bar = std::max(0, bar);
    // A bar along one axis can make the other axis too short: look twice.
    for (int round = 0; round < 2; ++round) {
        if (!p.Horizontal && content.Width > p.Visible.Width) {
            p.Horizontal = true;
            p.Visible.Height = std::max(0, p.Visible.Height - bar);
        }
        if (!p.Vertical && content.Height > p.Visible.Height) {
            p.Vertical = true;
            p.Visible.Width = std::max(0, p.Visible.Width - bar);
        }
    }
    p.Range = {p.Horizontal ? content.Width - p.Visible.Width : 0,
               p.Vertical ? content.Height - p.Visible.Height : 0};
    return p;
}

bool PointerOnMark(int x, int y, MarkPoint mark) {
    const long dx = static_cast<long>(x) - mark.X;
    const long dy = static_cast<long>(y) - mark.Y;
    return dx > -3 && dx < 3 && dy > -3 && dy < 3;
}

MarkHit MarkAt(int x, int y, MarkPoint start, MarkPoint stop, MarkPoint height,
               const MarkPoint* cabinets, int count) {
    if (PointerOnMark(x, y, start)) return {MarkKind::CoverageStart, -1};
    if (PointerOnMark(x, y, stop)) return {MarkKind::CoverageStop, -1};
    if (PointerOnMark(x, y, height)) return {MarkKind::ArrayHeight, -1};
    MarkHit hit;
    for (int i = 0; i < count; ++i)
        if (PointerOnMark(x, y, cabinets[i])) hit = {MarkKind::Cabinet, i};
    return hit;
}

}  // namespace rules

