// GBK texts of the layouts and the program, by the names the program uses.
// The source is UTF-8; these constants hold the GBK (code page 936) bytes.
#pragma once

#include <string_view>

namespace tavmoor::gbk {

// Control and menu names of the two layouts.
inline constexpr std::string_view 按钮1 = "\xb0\xb4\xc5\xa5" "1"; // 按钮1
inline constexpr std::string_view 按钮2 = "\xb0\xb4\xc5\xa5" "2"; // 按钮2
inline constexpr std::string_view 按钮3 = "\xb0\xb4\xc5\xa5" "3"; // 按钮3
inline constexpr std::string_view 标签1 = "\xb1\xea\xc7\xa9" "1"; // 标签1
inline constexpr std::string_view 标签2 = "\xb1\xea\xc7\xa9" "2"; // 标签2
inline constexpr std::string_view 编辑框1 = "\xb1\xe0\xbc\xad\xbf\xf2" "1"; // 编辑框1
inline constexpr std::string_view 编辑框2 = "\xb1\xe0\xbc\xad\xbf\xf2" "2"; // 编辑框2
inline constexpr std::string_view 选择框_开机自动运行 = "\xd1\xa1\xd4\xf1\xbf\xf2_\xbf\xaa\xbb\xfa\xd7\xd4\xb6\xaf\xd4\xcb\xd0\xd0"; // 选择框_开机自动运行
inline constexpr std::string_view 标签_当前时间 = "\xb1\xea\xc7\xa9_\xb5\xb1\xc7\xb0\xca\xb1\xbc\xe4"; // 标签_当前时间
inline constexpr std::string_view 时钟1 = "\xca\xb1\xd6\xd3" "1"; // 时钟1
inline constexpr std::string_view 分组框1 = "\xb7\xd6\xd7\xe9\xbf\xf2" "1"; // 分组框1
inline constexpr std::string_view 分组框2 = "\xb7\xd6\xd7\xe9\xbf\xf2" "2"; // 分组框2
inline constexpr std::string_view 提醒关机 = "\xcc\xe1\xd0\xd1\xb9\xd8\xbb\xfa"; // 提醒关机
inline constexpr std::string_view 托盘菜单 = "\xcd\xd0\xc5\xcc\xb2\xcb\xb5\xa5"; // 托盘菜单

// Texts shown by the layouts.
inline constexpr std::string_view 重启 = "\xd6\xd8\xc6\xf4"; // 重启
inline constexpr std::string_view 关机 = "\xb9\xd8\xbb\xfa"; // 关机
inline constexpr std::string_view 保存关机时间 = "\xb1\xa3\xb4\xe6\xb9\xd8\xbb\xfa\xca\xb1\xbc\xe4"; // 保存关机时间
inline constexpr std::string_view 开机自动运行 = "\xbf\xaa\xbb\xfa\xd7\xd4\xb6\xaf\xd4\xcb\xd0\xd0"; // 开机自动运行
inline constexpr std::string_view 定时关机 = "\xb6\xa8\xca\xb1\xb9\xd8\xbb\xfa"; // 定时关机
inline constexpr std::string_view 当前时间 = "\xb5\xb1\xc7\xb0\xca\xb1\xbc\xe4"; // 当前时间
inline constexpr std::string_view 取消关机 = "\xc8\xa1\xcf\xfb\xb9\xd8\xbb\xfa"; // 取消关机
inline constexpr std::string_view 立即关机 = "\xc1\xa2\xbc\xb4\xb9\xd8\xbb\xfa"; // 立即关机
inline constexpr std::string_view 请做好存档工作 = "\xc7\xeb\xd7\xf6\xba\xc3\xb4\xe6\xb5\xb5\xb9\xa4\xd7\xf7\xa1\xad\xa1\xad"; // 请做好存档工作……
inline constexpr std::string_view 全角冒号 = "\xa3\xba"; // ：
inline constexpr std::string_view 显示隐藏窗口 = "\xcf\xd4\xca\xbe/\xd2\xfe\xb2\xd8\xb4\xb0\xbf\xda"; // 显示/隐藏窗口
inline constexpr std::string_view 退出 = "\xcd\xcb\xb3\xf6"; // 退出

// Messages.
inline constexpr std::string_view 时间设置错误 = "\xca\xb1\xbc\xe4\xc9\xe8\xd6\xc3\xb4\xed\xce\xf3\xa3\xa1"; // 时间设置错误！

} // namespace tavmoor::gbk
