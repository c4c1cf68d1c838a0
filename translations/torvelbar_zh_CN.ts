<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>一个窗口</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>屏幕颜色未更改</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>已暂停至 %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>因 %1 已暂停</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>%1 全屏时暂停</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>已暂停：%1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>已由 %1 暂停</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>未调色：%1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>固定颜色</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>正在预览日间颜色</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>正在预览夜间颜色</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>过渡中 · %1后就寝</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>夜间 · %1 起床</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>起床中 · %1 转为日间</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>日间 · %1 开始过渡</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>今天没有日出和黄昏</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>没有用于计算日照的位置</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>此处无法为应用暂停</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>%1 在 %2 上全屏时暂停</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>因 %1 在 %2 上暂停</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 保持不变</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>%1 前使用你设置的亮度</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>无法调暗：%1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>此处无法调暗</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>此处其他显示器保持原亮度</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>设置未保存</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1分钟</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1小时</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1小时%2分钟</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>片刻</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1（%2 请求）</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>打开 TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>暂停 1 小时</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>暂停到早上</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>全屏时暂停</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>中午</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18时</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>午夜</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6时</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>调暗</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>不调暗</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>至&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>显示器</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>为 %1 调色</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>%1 强度</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日间</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜间</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>提早就寝</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>推迟就寝</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>提早起床</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>推迟起床</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>缩短过渡</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>延长过渡</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>跟随日照</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>就寝</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>起床</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>过渡</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>位置未知：使用固定时间</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>%1° %2, %3° %4 的</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>你所在位置的</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>%1 的</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>今天%1没有日出和黄昏</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>%1黄昏和日出</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>黄昏到日出为夜间</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>%1 开始</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>未知选项 %1（参见 torvelbar --help）</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>未知命令“%1”（参见 torvelbar --help）</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1（参见 torvelbar help %2）</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
退出状态：0 完成，1 TorvelBar 未运行（或无法启动），2 输入有误。
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>用法：torvelbar [命令]
按一天中的时间让每台显示器的颜色变暖。

  torvelbar                      启动，或打开正在运行的实例的窗口
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>从此时起使用夜间颜色（未运行时
同样保存到下次启动）</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>夜间或手动模式下屏幕的亮度：
你所设亮度的 10 到 100%（100：从不调暗）</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness 需要 night 或 manual 以及一个百分比，例如 brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>%1 亮度现在为 %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>日间颜色，1000 到 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 按 %2% 调色</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 保持不变</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1，并保持原亮度</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>为显示器 ID（displays 列出的 id 或接口）
调色，或保持不变；strength：相对 6500 K
偏移的 0 到 100%；dim off：夜间保持亮度</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display 需要 ID on、ID off、ID strength 0 到 100，或 ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>此处没有单独的显示器：此桌面对所有显示器使用同一种颜色</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>每台显示器：id、接口、名称，
以及是否调色和调色强度</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays 不接受参数</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>此说明，或某个命令的说明</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help 需要一个命令名</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>手动颜色，同上</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin 需要一个整数开尔文值，例如 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>手动颜色现在为 %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>跟随日照的位置，以度为单位（北、东为正）；
auto：来自定位服务，否则按时区</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location 需要以度为单位的纬度（-90 到 90）和经度（-180 到 180），例如 59.91 10.75，或 auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>位置现在为 %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>将自动确定位置</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>模式（TorvelBar 未运行时
保存到下次启动）</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode 需要 auto（或 schedule）、manual、off 之一</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>将以 %1 模式启动</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>夜间颜色，同上</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s、30m、2h、1h30m（只写数字表示分钟）；
省略：直到起床时间</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause 最多接受一个时长</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>无法识别时长“%1”（例如 30s、30m、2h、1h30m）</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>暂停最长 24h，而不是 %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>APP 的窗口在最前时暂停（X11 下为 WM_CLASS，
Wayland 下为 app_id），全屏窗口同理；
list：列出应用，以及是否计入全屏</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>应用 id 为一行，长 1 到 255 字节</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for 需要 add APP、remove APP、list 或 fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>全屏窗口时将暂停</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>全屏窗口不会使其暂停</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>将为以下应用暂停：%1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>无</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>结束暂停</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume 不接受参数</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 需要 HH:MM 格式的时间，例如 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down 需要 0 到 12h 之间的整分钟，例如 3h 或 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 需要一个整数开尔文值，例如 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>计划现在为：%1 就寝，%2 起床，过渡 %3，日间 %4 K，夜间 %5 K</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>按设定的就寝与起床时间，或每天的黄昏
和日出（未运行时同样保存）</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source 需要 clock 或 sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>计划将跟随%1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>日照</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>状态行和颜色；--json 每行输出一个对象
（含 waybar 的 text、tooltip、class 和 alt）；
--follow 在每次变化时输出一行</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status 接受 --json 和 --follow，而不是 %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>正在调色则关闭，否则恢复之前的模式</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle 不接受参数</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>从此时起使用日间颜色，同上</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>就寝前的过渡，0 到 12h（例如 2h30m）</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar：TorvelBar 未运行，且未设置 HOME 和 XDG_CONFIG_HOME，无处保存</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar：TorvelBar 未运行，未保存任何内容：%1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar 未运行；%1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar 未运行</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar：TorvelBar 没有响应</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar：TorvelBar 未运行</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar：无法连接会话总线（%1），因此无法询问 TorvelBar</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>未知的计划来源“%1”（clock 或 sun）</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB 的参数超过了 TorvelBar 的上限（%2 KiB）</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>更改已生效但未保存：%1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar 正在退出</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>未知模式“%1”（auto、manual 或 off）</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>未知的计划字段“%1”（bedtime、wake、windDown、dayKelvin 或 nightKelvin）</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>调色已关闭：没有可暂停的内容</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>暂停最长 24 小时（%1 秒），而不是 %2 秒</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>一个调用方最多可持有 %1 个抑制</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>同时最多可存在 %1 个抑制</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>此调用方没有 cookie 为 %1 的抑制</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>没有可调色的显示器（未设置 WAYLAND_DISPLAY 或 DISPLAY）</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>无法加载 %1 宿主模块：%2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 不是 TorvelBar 的宿主模块</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 属于版本 %2，而不是 %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>没有私有运行时文件夹（%1），无法阻止第二个副本，也无法在崩溃后撤销调色；不启动</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>无法获取锁 %1；不启动</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>夜灯再次采用我们的颜色</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>夜灯设置已被管理员锁定（%1）</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>未安装 GNOME 夜灯的设置架构</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME（直到明天）</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc 是一个失效的链接</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc 不是普通文件</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc 大于 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>无法读取 kwinrc</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>无法写入 kwinrc（%1）</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc 再次采用我们的颜色</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>KWin 的夜间颜色在会话总线上没有响应</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin（为其他程序）</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind 拒绝：%1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>没有私有运行时文件夹（%1）</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 不是此用户的私有文件夹</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR、XDG_CACHE_HOME 和 HOME 均未设置</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>合成器再次采用我们的颜色</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>与 Wayland 合成器的连接已断开</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>合成器不再提供伽马控制</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>合成器拒绝了所有屏幕的伽马控制（可能被其他程序占用）</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>无法连接到 Wayland 合成器 %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>Wayland 合成器 %1 关闭了连接</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>此合成器不向应用程序提供伽马控制</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>此 Wayland 合成器既不向应用程序提供伽马控制，也没有 TorvelBar 可驱动的夜灯；请使用它自带的夜灯设置</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>X 服务器再次采用我们的颜色</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>与 X 服务器 %1 的连接已断开</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>X 服务器 %1 没有可接受伽马渐变的屏幕</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>无法连接到 X 服务器 %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>X 服务器 %1 没有 RandR 扩展</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>X 服务器 %1 的 RandR 低于 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>X 服务器 %1 是 Wayland 合成器的 Xwayland，其颜色不会到达任何屏幕；请在设置 WAYLAND_DISPLAY 后启动 torvelbar</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>HOME 和 XDG_CONFIG_HOME 均未设置</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>显示器以 id 或接口命名，为一行 1 到 255 个字符</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>显示器强度为 0 到 100，而不是 %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>大于 1 MiB，因此不是我们的设置文件</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>是指向不属于你的文件的链接</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>是指向非文件对象的链接</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>设置文件 %1 %2；更改仅在本次运行中有效</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>没有设置文件夹：HOME 和 XDG_CONFIG_HOME 均未设置</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>设置文件 %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>另一个程序持有设置文件夹 %1 的锁</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1；更改会保留，并在锁释放后保存</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1；未保存任何内容</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1；更改在本次运行中保留</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>无法再次读取</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>无法将设置保存到 %1（%2）</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>为纬度 -90 到 90、经度 -180 到 180 度，而不是 %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>接受 %1 到 %2%，而不是 %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>接受 00:00 到 23:59 之间的就寝和起床时间，而不是午夜后 %1 和 %2 分钟</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>接受 0 到 12 小时的过渡，而不是 %1 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>接受 %1 到 %2 K 的日间和夜间颜色，而不是 %3 和 %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>接受 %1 到 %2 K，而不是 %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>手动颜色</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>夜间亮度</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>手动亮度</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>最多 %1 个应用 id，而不是 %2 个</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>最多 %1 台显示器，而不是 %2 台</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>用法：
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 是一个非空文件夹，妨碍每次保存</translation>
    </message>
</context>
</TS>
