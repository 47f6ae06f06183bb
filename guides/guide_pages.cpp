// The Help and About pages.
#include "guides/guide_pages.h"

#include "guides/designs.h"

namespace guides {

namespace {

plat::RectF PlaceOf(const plat::TwipsRect& r) {
    return {static_cast<double>(r.left), static_cast<double>(r.top), static_cast<double>(r.width),
            static_cast<double>(r.height)};
}

}  // namespace

// The pages' tables keep one part to a line, as the designs list them.
// clang-format off
const PageSpec& HelpPage() {
    static const PageSpec page = {
        L"教程",
        12150,
        10620,
        {
            {L"Label27", {240, 240, 11295, 735}, 12, 0x00000000,
             L"介绍：这款工具可以使用ADB实现有线上网，而不是传统的WIFI和数据流量。对于游戏玩家可以说是一大利器！它既可"
             L"降低网络延迟，也不用担心电量问题！"},
            {L"Label11", {240, 1080, 8895, 375}, 12, 0x00000000,
             L"左侧教程适用于(类)原生机型，其他ROM由于缺乏机型无法测试，可同时参考两侧。"},
            {L"Label28", {240, 1560, 6615, 375}, 12, 0x000000FF, L"OPPO去开发者选项里把“禁止权限监控”打开即可使用"},
            {L"Label29", {240, 2040, 1935, 615}, 21.75, 0x000000FF, L"MIUI机型"},
            {L"Label4", {2280, 2160, 4575, 375}, 12, 0x00000000, L"请               右侧的专属教程或"},
            {L"Label30", {2520, 2040, 1095, 615}, 21.75, 0x000000FF, L" 仅看"},
            {L"Label1", {240, 2880, 2655, 375}, 12, 0x00FF0000, L"一、安装手机端软件"},
            {L"Label13", {240, 3480, 3135, 375}, 10.5, 0x00000000, L"1.点击主界面按钮即可安装"},
            {L"Label8", {240, 3960, 3135, 735}, 10.5, 0x00000000, L"2.电脑端会弹出安装结果，出现Success表示安装成功"},
            {L"Label14", {240, 4800, 2655, 375}, 12, 0x00FF0000, L"二、启动"},
            {L"Label12", {240, 5280, 3135, 375}, 10.5, 0x00000000, L"1.点击主界面启动按钮"},
            {L"Label10", {240, 5640, 3735, 735}, 10.5, 0x00000000, L"2.手机端会弹出代理提示，选择同意即可"},
            {L"Label17", {240, 6480, 2655, 375}, 12, 0x00FF0000, L"三、完成连接"},
            {L"Label16", {240, 6960, 3615, 615}, 10.5, 0x00000000, L"1.下拉通知栏，出现下图表示成功连接"},
            {L"Label15", {240, 9240, 3615, 1455}, 10.5, 0x00000000,
             L"2."
             L"现在可关闭WIFI，数据。以后使用只需连接手机后点击启动即可（若启动无效可先卸载手机端工具，再重新设置一次"
             L"）"},
            {L"Label3", {4440, 2880, 2295, 375}, 12, 0x00FF0000, L"一、开启额外调试"},
            {L"Label2", {4440, 3360, 3855, 375}, 10.5, 0x00000000, L"1.开启“USB安装”"},
            {L"Label5", {4440, 3840, 2895, 375}, 10.5, 0x00000000, L"2.开启“USB调试(安全设置)”"},
            {L"Label6", {4440, 4680, 2655, 375}, 12, 0x00FF0000, L"二、安装手机端软件"},
            {L"Label7", {4440, 5160, 3495, 615}, 10.5, 0x00000000,
             L"1.点击主界面按钮即可安装，注意手机端弹出安装提示，选择安装"},
            {L"Label9", {4440, 5880, 3855, 735}, 10.5, 0x00000000, L"2.电脑端会弹出安装结果，出现Success表示安装成功"},
            {L"Label20", {4440, 6960, 2655, 375}, 12, 0x00FF0000, L"三、授权手机端软件"},
            {L"Label19", {4440, 7440, 3735, 615}, 10.5, 0x00000000,
             L"1.打开安全中心---应用管理---搜索“Gnirehtet”---点击进入应用信息"},
            {L"Label18", {4440, 8160, 3735, 495}, 10.5, 0x00000000, L"2.点击权限管理---后台弹出界面---允许"},
            {L"Label21", {4440, 8880, 2655, 375}, 12, 0x00FF0000, L"四、启动"},
            {L"Label22", {4440, 9360, 3135, 375}, 10.5, 0x00000000, L"1.点击主界面启动按钮"},
            {L"Label23", {4440, 9840, 3135, 735}, 10.5, 0x00000000, L"2.手机端会弹出代理提示，选择同意即可"},
            {L"Label24", {8040, 2880, 2655, 375}, 12, 0x00FF0000, L"五、完成连接"},
            {L"Label25", {8040, 3360, 4095, 495}, 10.5, 0x00000000, L"1.下拉通知栏，出现下图表示成功连接"},
            {L"Label26", {8040, 5640, 3735, 1335}, 10.5, 0x00000000,
             L"2."
             L"现在可关闭WIFI，数据。以后使用只需连接手机后点击启动即可（若启动无效可先卸载手机端工具，再从第二步重新设"
             L"置一次）"},
        },
        {
            {L"Image1", {480, 7560, 3000, 1395}, L"notify_stock.jpg", true},
            {L"Image2", {8280, 3960, 3150, 1425}, L"notify_miui.jpg", true},
        },
        {
            {L"Line2", 240, 2760, 11880, 2760, plat::syscolor::kWindowText},
            {L"Line1", 4080, 2760, 4080, 10680, 0x00000000},
        },
        {
            {L"N_Shape2start", {5640, 2160, 1695, 375}, Link::VideoTutorial},
            // The device check sends users here for a USB driver.
            {L"N_ShapeDriver", {8040, 7080, 1695, 375}, Link::UsbDriver},
            {L"N_ShapeDriver2", {9840, 7080, 1695, 375}, Link::UsbDriverGoogle},
        },
        kHelpDesign,
    };
    return page;
}

const PageSpec& AboutPage() {
    static const PageSpec page = {
        L"关于",
        5970,
        3915,
        {
            {L"Label9", {1320, 1320, 3135, 255}, 9, 0x00C0C000, L"控制器：2.0.1 | 主程序：2.5", Align::Center},
            {L"Label7", {120, 1800, 5655, 375}, 10.5, 0x00000000, L"基于Gnirehtet有线上网工具命令库制作的图形化控制台",
             Align::Center},
            {L"Label5", {360, 2520, 2535, 375}, 10.5, 0x00000000, L"作者(GitHub)：@Telmuro", Align::Left, true},
            {L"Label8", {360, 3000, 2295, 375}, 10.5, 0x00000000, L"控制器作者：@Varnik   ", Align::Left, true},
            {L"Label10", {0, 3600, 5775, 255}, 12, plat::syscolor::kButtonText, L"免费软件 · 禁止倒卖 · Relanto 2.0.1",
             Align::Center, false, L"Fixedsys"},
        },
        {
            {L"Image1", {2400, 120, 1080, 1080}, L"logo.jpg", false},
        },
        {},
        {
            {L"N_Shape2", {2880, 3000, 1695, 375}, Link::HomePage},
            {L"helpp", {4680, 3000, 975, 375}, Link::VideoTutorial},
            {L"N_Shapelj", {2880, 2520, 1335, 375}, Link::GnirehtetProject},
            {L"N_Shapejs", {4320, 2520, 1335, 375}, Link::GnirehtetGuide},
        },
        kAboutDesign,
    };
    return page;
}

// clang-format on

void PaintPage(const PageSpec& page, plat::Canvas& canvas) {
    const plat::Ink back{plat::Role::PageBack, 0x00FFFFFF};
    canvas.Fill(canvas.Area(), back);
    for (const LabelSpec& l : page.labels) {
        const plat::RectF box = PlaceOf(l.place);
        canvas.Fill(box, back);
        const plat::FontSpec font{l.face, l.points, 400, false, l.underline, false, l.charset};
        // In high contrast a label that names a link takes the link colour.
        canvas.Text(box, l.text, font, {l.underline ? plat::Role::Link : plat::Role::PageText, l.color},
                    l.align == Align::Center ? plat::TextAlign::Centre : plat::TextAlign::Left,
                    plat::TextFlow::Wrapped);
    }
    for (const ImageSpec& m : page.images) canvas.Picture(m.image, PlaceOf(m.place), !m.stretch);
    for (const LineSpec& line : page.lines)
        canvas.Line(line.x1, line.y1, line.x2, line.y2, {plat::Role::PageText, line.color});
}

}  // namespace guides
