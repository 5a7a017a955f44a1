#pragma once
// The forms of the program as data: window attributes and named
// controls with their rectangles, texts and timer periods. This is the one
// place that states them; every window is laid out from here.
//
// Control rows are kept in the order the forms list them, which is also the
// order the windows create their controls in.
//
//   const Form& bar = GetForm(FormId::kBar);
//   const Rect tool = FormControlOf(FormId::kBar, "按钮_工具").rect;  // checked at compile time
#include <string_view>

#include "app/forms/form.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {

namespace form_data {
using enum ControlKind;

inline constexpr ListViewColumn kFileListColumns[] = {{"文件名称", 200}, {"文件路径", 245}};
inline constexpr FontChoice kFileListFont{.face = ui::kMicrosoftYaHei, .pixel_size = 12, .bold = false};
inline constexpr std::string_view kSkinChoices[] = {"蓝天", "星空"};

inline constexpr FormControl kBarControls[] = {
    {.name = "标签11", .kind = kLabel, .rect = {8, 576, 104, 40}, .visible = false},
    {.name = "标签10", .kind = kLabel, .rect = {12, 320, 112, 16}, .visible = true},
    {.name = "提示时钟", .kind = kTimer, .rect = {59, 624, 29, 32}, .visible = false, .period_ms = 5000},
    {.name = "北京时钟", .kind = kTimer, .rect = {27, 624, 32, 32}, .visible = false, .period_ms = 500},
    {.name = "标签9", .kind = kLabel, .rect = {11, 528, 104, 40}, .visible = false},
    {.name = "标签8", .kind = kLabel, .rect = {13, 464, 104, 48}, .visible = false},
    {.name = "标签7", .kind = kLabel, .rect = {13, 400, 104, 48}, .visible = false},
    {.name = "标签6", .kind = kLabel, .rect = {13, 336, 104, 48}, .visible = false},
    {.name = "标签5", .kind = kLabel, .rect = {13, 272, 104, 48}, .visible = false},
    {.name = "标签4", .kind = kLabel, .rect = {13, 208, 104, 48}, .visible = false},
    {.name = "标签3", .kind = kLabel, .rect = {13, 144, 104, 48}, .visible = false},
    {.name = "标签2", .kind = kLabel, .rect = {13, 80, 104, 48}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {13, 16, 104, 48}, .visible = false},
    {.name = "按钮_工具", .kind = kPushButton, .rect = {17, 632, 96, 28}, .visible = false, .text = "工具"},
};

inline constexpr FormControl kToolWindowControls[] = {
    {.name = "按钮4", .kind = kPushButton, .rect = {12, 94, 28, 210}, .visible = false},
    {.name = "按钮3", .kind = kPushButton, .rect = {52, 256, 72, 80}, .visible = false},
    {.name = "按钮2", .kind = kPushButton, .rect = {52, 152, 72, 80}, .visible = false},
    {.name = "按钮1", .kind = kPushButton, .rect = {52, 56, 72, 80}, .visible = false},
    {.name = "分组框3", .kind = kGroupBox, .rect = {16, 288, 528, 120}, .visible = false},
    {.name = "分组框2", .kind = kGroupBox, .rect = {16, 160, 528, 120}, .visible = false},
    {.name = "分组框1", .kind = kGroupBox, .rect = {16, 32, 528, 120}, .visible = false},
};

inline constexpr FormControl kTimetableEditorControls[] = {
    {.name = "按钮4", .kind = kPushButton, .rect = {120, 360, 96, 24}, .visible = true, .text = "更改上课时间&C"},
    {.name = "按钮3", .kind = kPushButton, .rect = {22, 360, 88, 24}, .visible = true, .text = "读入当前课表&R"},
    {.name = "按钮2", .kind = kPushButton, .rect = {546, 360, 72, 24}, .visible = true, .text = "退出&E"},
    {.name = "按钮1", .kind = kPushButton, .rect = {450, 360, 80, 24}, .visible = true, .text = "保存课表&S"},
    {.name = "标签6", .kind = kLabel, .rect = {456, 24, 80, 24}, .visible = false},
    {.name = "标签5", .kind = kLabel, .rect = {368, 24, 80, 24}, .visible = false},
    {.name = "标签4", .kind = kLabel, .rect = {280, 24, 80, 24}, .visible = false},
    {.name = "标签3", .kind = kLabel, .rect = {176, 24, 80, 24}, .visible = false},
    {.name = "标签2", .kind = kLabel, .rect = {16, 64, 56, 24}, .visible = false},
    {.name = "编辑框1", .kind = kEditField, .rect = {88, 64, 56, 24}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {98, 24, 80, 24}, .visible = false},
};

inline constexpr FormControl kAboutWindowControls[] = {
    {.name = "按钮1", .kind = kPushButton, .rect = {534, 317, 72, 28}, .visible = false},
};

inline constexpr FormControl kRandomDrawControls[] = {
    {.name = "随机时钟_不重复模式", .kind = kTimer, .rect = {304, 288, 40, 40}, .visible = false, .period_ms = 0},
    {.name = "标签4", .kind = kLabel, .rect = {264, 272, 104, 32}, .visible = false},
    {.name = "按钮2", .kind = kPushButton, .rect = {373, 272, 64, 28}, .visible = false},
    {.name = "标签3", .kind = kLabel, .rect = {264, 48, 144, 24}, .visible = false},
    {.name = "随机时钟_重复模式", .kind = kTimer, .rect = {440, 288, 40, 40}, .visible = false, .period_ms = 0},
    {.name = "编辑框3", .kind = kEditField, .rect = {264, 120, 176, 144}, .visible = false},
    {.name = "按钮1", .kind = kPushButton, .rect = {72, 272, 120, 32}, .visible = false},
    {.name = "标签2", .kind = kLabel, .rect = {312, 80, 24, 24}, .visible = false},
    {.name = "编辑框2", .kind = kEditField, .rect = {336, 80, 48, 24}, .visible = false},
    {.name = "编辑框1", .kind = kEditField, .rect = {264, 80, 48, 24}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {24, 56, 224, 208}, .visible = false},
};

inline constexpr FormControl kReminderPopupControls[] = {
    {.name = "图片框1", .kind = kPictureBox, .rect = {19, 38, 69, 82}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {112, 21, 256, 120}, .visible = false},
};

inline constexpr FormControl kBatchFileWriterControls[] = {
    {.name = "标签2", .kind = kLabel, .rect = {248, 38, 264, 24}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {22, 38, 210, 24}, .visible = false},
    {.name = "通用对话框1", .kind = kFileDialog, .rect = {400, 8, 40, 40}, .visible = false, .text = "请选择文件"},
    {.name = "按钮4", .kind = kPushButton, .rect = {392, 376, 104, 24}, .visible = false, .text = "写入到..."},
    {.name = "按钮3", .kind = kPushButton, .rect = {304, 376, 64, 24}, .visible = false, .text = "清空"},
    {.name = "按钮2", .kind = kPushButton, .rect = {216, 376, 64, 24}, .visible = false, .text = "删除"},
    {.name = "按钮1", .kind = kPushButton, .rect = {128, 376, 64, 24}, .visible = false, .text = "添加"},
    {.name = "选择框1", .kind = kCheckBox, .rect = {22, 380, 64, 16}, .visible = false},
    {.name = "超级列表框1", .kind = kListView, .rect = {40, 72, 472, 296}, .visible = true,
     .columns = kFileListColumns, .font = &kFileListFont},
    {.name = "拖放对象1", .kind = kDropTarget, .rect = {416, 360, 32, 32}, .visible = false},
};

inline constexpr FormControl kSubjectPickerControls[] = {
    {.name = "按钮13", .kind = kPushButton, .rect = {232, 0, 24, 16}, .visible = true, .text = "×"},
    {.name = "按钮12", .kind = kPushButton, .rect = {176, 112, 64, 24}, .visible = true, .text = "自修"},
    {.name = "按钮11", .kind = kPushButton, .rect = {96, 112, 64, 24}, .visible = true, .text = "信息技术"},
    {.name = "按钮10", .kind = kPushButton, .rect = {16, 112, 64, 24}, .visible = true, .text = "体育"},
    {.name = "按钮9", .kind = kPushButton, .rect = {176, 80, 64, 24}, .visible = true, .text = "历史"},
    {.name = "按钮8", .kind = kPushButton, .rect = {176, 48, 64, 24}, .visible = true, .text = "地理"},
    {.name = "按钮7", .kind = kPushButton, .rect = {176, 16, 64, 24}, .visible = true, .text = "政治"},
    {.name = "按钮6", .kind = kPushButton, .rect = {96, 80, 64, 24}, .visible = true, .text = "生物"},
    {.name = "按钮5", .kind = kPushButton, .rect = {96, 48, 64, 24}, .visible = true, .text = "化学"},
    {.name = "按钮4", .kind = kPushButton, .rect = {96, 16, 64, 24}, .visible = true, .text = "物理"},
    {.name = "按钮3", .kind = kPushButton, .rect = {16, 80, 64, 24}, .visible = true, .text = "英语"},
    {.name = "按钮2", .kind = kPushButton, .rect = {16, 48, 64, 24}, .visible = true, .text = "数学"},
    {.name = "按钮1", .kind = kPushButton, .rect = {16, 16, 64, 24}, .visible = true, .text = "语文"},
};

inline constexpr FormControl kSettingsWindowControls[] = {
    {.name = "选择框2", .kind = kCheckBox, .container = "分组框1", .rect = {176, 24, 112, 24}, .visible = true, .text = "随Windows启动"},
    {.name = "选择框1", .kind = kCheckBox, .container = "分组框2", .rect = {176, 24, 128, 24}, .visible = true, .text = "关闭课程弹出提示"},
    {.name = "标签3", .kind = kLabel, .container = "分组框2", .rect = {16, 56, 296, 48}, .visible = true, .text = "注：为保证课程提示在时间上的准确度，请在电脑时间不准确时手动修改此项。若电脑时钟比北京时间慢“5”分钟，那么该处应填写“-5”；若电脑时钟比北京时间快“5”分钟，那么该处应填写“5”"},
    {.name = "编辑框1", .kind = kEditField, .container = "分组框2", .rect = {74, 21, 80, 24}, .visible = true, .text = "0"},
    {.name = "标签2", .kind = kLabel, .container = "分组框2", .rect = {16, 24, 56, 16}, .visible = true, .text = "时间偏移："},
    {.name = "按钮2", .kind = kPushButton, .rect = {288, 216, 64, 24}, .visible = true, .text = "退出"},
    {.name = "分组框2", .kind = kGroupBox, .rect = {24, 88, 328, 112}, .visible = true, .text = "课程提示"},
    {.name = "标签1", .kind = kLabel, .container = "分组框1", .rect = {8, 24, 40, 24}, .visible = true, .text = "皮肤："},
    {.name = "按钮1", .kind = kPushButton, .rect = {216, 216, 64, 24}, .visible = true, .text = "保存"},
    {.name = "组合框1", .kind = kDropDownList, .container = "分组框1", .rect = {49, 26, 72, 20}, .visible = true,
     .items = kSkinChoices},
    {.name = "分组框1", .kind = kGroupBox, .rect = {24, 16, 328, 64}, .visible = true, .text = "通用设置"},
};

inline constexpr FormControl kClassTimeAdjustmentControls[] = {
    {.name = "按钮4", .kind = kPushButton, .rect = {432, 357, 64, 24}, .visible = true, .text = "读入"},
    {.name = "按钮3", .kind = kPushButton, .rect = {576, 357, 64, 24}, .visible = true, .text = "退出"},
    {.name = "按钮2", .kind = kPushButton, .rect = {504, 357, 64, 24}, .visible = true, .text = "保存"},
    {.name = "按钮1", .kind = kPushButton, .rect = {16, 357, 104, 24}, .visible = true, .text = "置回默认值"},
    {.name = "标签3", .kind = kLabel, .rect = {112, 53, 8, 32}, .visible = false, .text = "："},
    {.name = "编辑框2", .kind = kEditField, .rect = {120, 56, 32, 24}, .visible = false},
    {.name = "编辑框1", .kind = kEditField, .rect = {80, 56, 32, 24}, .visible = false},
    {.name = "标签2", .kind = kLabel, .rect = {24, 56, 56, 24}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {100, 16, 80, 24}, .visible = false},
};

inline constexpr FormControl kTimerWindowControls[] = {
    {.name = "时钟2", .kind = kTimer, .rect = {360, 88, 32, 32}, .visible = false, .period_ms = 0},
    {.name = "选择框4", .kind = kCheckBox, .rect = {256, 246, 88, 16}, .visible = false},
    {.name = "选择框3", .kind = kCheckBox, .rect = {144, 246, 88, 16}, .visible = false},
    {.name = "标签4", .kind = kLabel, .rect = {32, 159, 312, 16}, .visible = false},
    {.name = "时钟1", .kind = kTimer, .rect = {360, 24, 32, 40}, .visible = false, .period_ms = 0},
    {.name = "标签3", .kind = kLabel, .rect = {288, 220, 56, 24}, .visible = false, .text = "试听"},
    {.name = "选择框2", .kind = kCheckBox, .rect = {32, 246, 104, 16}, .visible = false},
    {.name = "选择框1", .kind = kCheckBox, .rect = {32, 227, 168, 16}, .visible = false},
    {.name = "按钮3", .kind = kPushButton, .rect = {256, 192, 88, 26}, .visible = false},
    {.name = "按钮2", .kind = kPushButton, .rect = {144, 192, 88, 26}, .visible = false},
    {.name = "按钮1", .kind = kPushButton, .rect = {32, 192, 88, 26}, .visible = false},
    {.name = "图片框6", .kind = kPictureBox, .rect = {285, 160, 32, 32}, .visible = false},
    {.name = "图片框5", .kind = kPictureBox, .rect = {174, 160, 32, 32}, .visible = false},
    {.name = "图片框4", .kind = kPictureBox, .rect = {58, 160, 32, 32}, .visible = false},
    {.name = "图片框3", .kind = kPictureBox, .rect = {285, 42, 32, 32}, .visible = false},
    {.name = "图片框2", .kind = kPictureBox, .rect = {174, 42, 32, 32}, .visible = false},
    {.name = "图片框1", .kind = kPictureBox, .rect = {58, 42, 32, 32}, .visible = false},
    {.name = "标签2", .kind = kLabel, .rect = {179, 88, 56, 128}, .visible = false},
    {.name = "编辑框3", .kind = kEditField, .rect = {256, 72, 88, 88}, .visible = false},
    {.name = "编辑框2", .kind = kEditField, .rect = {144, 72, 88, 88}, .visible = false},
    {.name = "编辑框1", .kind = kEditField, .rect = {32, 72, 88, 88}, .visible = false},
    {.name = "标签1", .kind = kLabel, .rect = {68, 88, 56, 128}, .visible = false},
};

inline constexpr std::string_view kCycleChoices[] = {"不轮换", "单双周（2 周）", "3 周轮换", "4 周轮换"};
inline constexpr std::string_view kChangeKindChoices[] = {"假日（不上课）", "调休（上别的天的课）", "停课（部分节次）"};
inline constexpr std::string_view kSchoolDayChoices[] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

// The school calendar. "本周是第 N 周" (组合框2) and the swap's week (组合框5)
// offer as many weeks as the cycle has, so the window fills them.
inline constexpr FormControl kCalendarWindowControls[] = {
    {.name = "分组框1", .kind = kGroupBox, .rect = {16, 8, 488, 92}, .visible = true, .text = "轮换"},
    {.name = "标签1", .kind = kLabel, .container = "分组框1", .rect = {16, 27, 40, 20}, .visible = true, .text = "轮换："},
    {.name = "组合框1", .kind = kDropDownList, .container = "分组框1", .rect = {56, 24, 136, 20}, .visible = true,
     .items = kCycleChoices},
    {.name = "标签2", .kind = kLabel, .container = "分组框1", .rect = {224, 27, 56, 20}, .visible = true, .text = "本周是第"},
    {.name = "组合框2", .kind = kDropDownList, .container = "分组框1", .rect = {280, 24, 48, 20}, .visible = true},
    {.name = "标签3", .kind = kLabel, .container = "分组框1", .rect = {334, 27, 20, 20}, .visible = true, .text = "周"},
    {.name = "标签4", .kind = kLabel, .container = "分组框1", .rect = {16, 60, 112, 20}, .visible = true,
     .text = "第 1 周里的一天："},
    {.name = "日期框1", .kind = kDatePicker, .container = "分组框1", .rect = {128, 56, 128, 24}, .visible = true},
    {.name = "分组框2", .kind = kGroupBox, .rect = {16, 108, 488, 296}, .visible = true, .text = "调课与假日"},
    {.name = "列表框1", .kind = kListBox, .container = "分组框2", .rect = {16, 24, 456, 108}, .visible = true},
    {.name = "按钮3", .kind = kPushButton, .container = "分组框2", .rect = {376, 138, 96, 24}, .visible = true,
     .text = "删除所选(&D)"},
    {.name = "标签5", .kind = kLabel, .container = "分组框2", .rect = {16, 174, 40, 20}, .visible = true, .text = "日期："},
    {.name = "日期框2", .kind = kDatePicker, .container = "分组框2", .rect = {56, 170, 128, 24}, .visible = true},
    {.name = "标签6", .kind = kLabel, .container = "分组框2", .rect = {208, 174, 40, 20}, .visible = true, .text = "类型："},
    {.name = "组合框3", .kind = kDropDownList, .container = "分组框2", .rect = {248, 171, 168, 20}, .visible = true,
     .items = kChangeKindChoices},
    {.name = "标签7", .kind = kLabel, .container = "分组框2", .rect = {16, 206, 56, 20}, .visible = true, .text = "调休上："},
    {.name = "组合框4", .kind = kDropDownList, .container = "分组框2", .rect = {72, 203, 80, 20}, .visible = true,
     .items = kSchoolDayChoices},
    {.name = "组合框5", .kind = kDropDownList, .container = "分组框2", .rect = {160, 203, 96, 20}, .visible = true},
    {.name = "标签8", .kind = kLabel, .container = "分组框2", .rect = {264, 206, 40, 20}, .visible = true, .text = "的课"},
    {.name = "标签9", .kind = kLabel, .container = "分组框2", .rect = {16, 236, 72, 20}, .visible = true, .text = "停课节次："},
    {.name = "选择框1", .kind = kCheckBox, .container = "分组框2", .rect = {88, 234, 40, 20}, .visible = true, .text = "1"},
    {.name = "选择框2", .kind = kCheckBox, .container = "分组框2", .rect = {132, 234, 40, 20}, .visible = true, .text = "2"},
    {.name = "选择框3", .kind = kCheckBox, .container = "分组框2", .rect = {176, 234, 40, 20}, .visible = true, .text = "3"},
    {.name = "选择框4", .kind = kCheckBox, .container = "分组框2", .rect = {220, 234, 40, 20}, .visible = true, .text = "4"},
    {.name = "选择框5", .kind = kCheckBox, .container = "分组框2", .rect = {264, 234, 40, 20}, .visible = true, .text = "5"},
    {.name = "选择框6", .kind = kCheckBox, .container = "分组框2", .rect = {308, 234, 40, 20}, .visible = true, .text = "6"},
    {.name = "选择框7", .kind = kCheckBox, .container = "分组框2", .rect = {352, 234, 40, 20}, .visible = true, .text = "7"},
    {.name = "选择框8", .kind = kCheckBox, .container = "分组框2", .rect = {396, 234, 40, 20}, .visible = true, .text = "8"},
    {.name = "标签10", .kind = kLabel, .container = "分组框2", .rect = {16, 266, 40, 20}, .visible = true, .text = "备注："},
    {.name = "编辑框1", .kind = kEditField, .container = "分组框2", .rect = {56, 262, 200, 24}, .visible = true},
    {.name = "按钮4", .kind = kPushButton, .container = "分组框2", .rect = {376, 262, 96, 24}, .visible = true,
     .text = "添加(&A)"},
    {.name = "按钮1", .kind = kPushButton, .rect = {360, 414, 64, 24}, .visible = true, .text = "保存(&S)"},
    {.name = "按钮2", .kind = kPushButton, .rect = {440, 414, 64, 24}, .visible = true, .text = "退出"},
};

inline constexpr FormControl kStartupWindowControls[] = {
    {.name = "时钟1", .kind = kTimer, .rect = {152, 88, 40, 40}, .visible = false, .period_ms = 0},
};

inline constexpr Form kForms[kFormCount] = {
    {.id = FormId::kBar, .binding = FormBinding::kThemed, .client_size = {146, 702},
     .border = FormBorder::kFixed, .system_menu = true, .visible_when_created = false,
     .carries_program_icon = true, .controls = kBarControls},
    {.id = FormId::kToolWindow, .binding = FormBinding::kThemed, .client_size = {260, 392},
     .border = FormBorder::kFixed, .system_menu = true, .movable = false, .carries_program_icon = true,
     .controls = kToolWindowControls},
    {.id = FormId::kTimetableEditor, .binding = FormBinding::kNative, .caption = "设置课程表",
     .client_size = {641, 425}, .border = FormBorder::kFixed, .system_menu = true,
     .carries_program_icon = true, .controls = kTimetableEditorControls},
    {.id = FormId::kAboutWindow, .binding = FormBinding::kThemed, .caption = "关于本程序",
     .client_size = {630, 380}, .border = FormBorder::kNone, .in_taskbar = true,
     .carries_program_icon = true, .controls = kAboutWindowControls},
    {.id = FormId::kRandomDraw, .binding = FormBinding::kThemed, .caption = "随机抽号", .client_size = {502, 359},
     .border = FormBorder::kFixed, .system_menu = true, .in_taskbar = true, .controls = kRandomDrawControls},
    {.id = FormId::kReminderPopup, .binding = FormBinding::kEngineBound, .caption = "助手提示窗口",
     .client_size = {405, 161}, .border = FormBorder::kFixed, .esc_closes = true, .topmost = true,
     .drag_anywhere = true, .controls = kReminderPopupControls},
    {.id = FormId::kBatchFileWriter, .binding = FormBinding::kThemed, .caption = "批量文件写入器",
     .client_size = {559, 451}, .border = FormBorder::kFixed, .system_menu = true, .minimise_button = true,
     .in_taskbar = true, .drag_anywhere = true, .controls = kBatchFileWriterControls},
    {.id = FormId::kSubjectPicker, .binding = FormBinding::kNative, .client_size = {256, 151},
     .border = FormBorder::kNone, .system_menu = true, .topmost = true, .controls = kSubjectPickerControls},
    {.id = FormId::kSettingsWindow, .binding = FormBinding::kNative, .caption = "程序设置",
     .client_size = {380, 284}, .border = FormBorder::kFixed, .system_menu = true, .minimise_button = true,
     .esc_closes = true, .in_taskbar = true, .controls = kSettingsWindowControls},
    {.id = FormId::kClassTimeAdjustment, .binding = FormBinding::kNative, .caption = "上课时间调整",
     .client_size = {709, 424}, .border = FormBorder::kFixed, .system_menu = true, .minimise_button = true,
     .esc_closes = true, .in_taskbar = true, .controls = kClassTimeAdjustmentControls},
    {.id = FormId::kTimerWindow, .binding = FormBinding::kThemed, .caption = "计时器", .client_size = {410, 304},
     .border = FormBorder::kFixed, .system_menu = true, .minimise_button = true, .in_taskbar = true,
     .controls = kTimerWindowControls},
    {.id = FormId::kStartupWindow, .binding = FormBinding::kThemed, .client_size = {318, 218},
     .border = FormBorder::kNone, .topmost = true, .carries_program_icon = true,
     .controls = kStartupWindowControls},
    {.id = FormId::kCalendarWindow, .binding = FormBinding::kNative, .caption = "校历与调课",
     .client_size = {520, 452}, .border = FormBorder::kFixed, .system_menu = true, .minimise_button = true,
     .esc_closes = true, .in_taskbar = true, .controls = kCalendarWindowControls},
};

}  // namespace form_data

[[nodiscard]] constexpr std::span<const Form> AllForms() { return form_data::kForms; }

[[nodiscard]] constexpr const Form& GetForm(FormId id) {
  return form_data::kForms[static_cast<int>(id) - 1];
}

// Compile-time lookup for names the code states literally; a name the form
// does not have fails the build.
[[nodiscard]] consteval const FormControl& FormControlOf(FormId form, std::string_view name) {
  const FormControl* control = GetForm(form).Find(name);
  if (control == nullptr) throw "the form has no control of this name";
  return *control;
}

}  // namespace tabulo::app
