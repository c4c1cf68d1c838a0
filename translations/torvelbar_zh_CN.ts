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
</context>
</TS>
