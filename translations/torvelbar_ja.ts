<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>画面の色は変更されていません</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 まで一時停止中</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>%1 のため一時停止中</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>%1 の全画面表示中は一時停止</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>一時停止中: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>%1 により一時停止中</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>色調整なし: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>固定色</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>昼の色をプレビュー中</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>夜の色をプレビュー中</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>移行中 · 就寝まで %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>夜 · %1 に起床</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>起床中 · %1 に昼光</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>昼光 · %1 から移行</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>今日は日の出も夕暮れもなし</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>太陽の計算に使う場所が不明</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>ここではアプリ用の一時停止は使えません</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>%2 で %1 の全画面表示中は一時停止</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>%2 で %1 のため一時停止</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 はそのまま</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>%1 まで手動の明るさ</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>減光できません: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>ここでは減光できません</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>ここでは他の画面の明るさは変わりません</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>設定は保存されていません</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>まもなく</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (%2 の要求)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>TorvelBar を開く</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 時間一時停止</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>朝まで一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>全画面表示中は一時停止</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>正午</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18時</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>0時</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6時</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>減光</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>%1%&#xa0;まで</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>%1 を色調整</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>%1 の強さ</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>昼</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>就寝を早める</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>就寝を遅らせる</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>起床を早める</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>起床を遅らせる</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>移行を短く</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>移行を長く</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>太陽に合わせる</translation>
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
        <translation>移行</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>場所が不明: 時計の時刻を使用</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>%1° %2, %3° %4 の</translation>
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
        <translation>現在地の</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>%1 の</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>今日は%1日の出も夕暮れもなし</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>%1夕暮れと日の出</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>夕暮れから日の出までが夜</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>%1 に開始</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>減らす</translation>
    </message>
</context>
</TS>
