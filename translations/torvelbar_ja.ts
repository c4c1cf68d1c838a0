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
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>不明なオプション %1 (torvelbar --help を参照)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>不明なコマンド「%1」(torvelbar --help を参照)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (torvelbar help %2 を参照)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
終了ステータス: 0 完了、1 TorvelBar が起動していない (または起動できない)、2 入力が不正。
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>使い方: torvelbar [コマンド]
時間帯に合わせて各ディスプレイの色を暖かくします。

  torvelbar                      起動、または起動中のもののウィンドウを開く
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>この時刻から夜の色になる (起動していなければ
次回の起動用に保存)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>夜間または手動モードの画面の明るさ:
設定した明るさの 10〜100% (100: 減光しない)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness には night か manual と割合を指定します (例: brightness night 60)</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>%1 の明るさを %2% にしました</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>昼の色、1000〜6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 を %2% で色調整します</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 はそのままにします</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 (明るさは変えません)</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>ディスプレイ ID (displays が示す ID または
コネクター) を色調整するか、そのままにする。
strength: 6500 K からの変化の 0〜100%。
dim off: 夜も明るさを変えない</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display には ID on、ID off、ID strength 0〜100、または ID dim on|off を指定します</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>ここでは個別のディスプレイはありません: このデスクトップはすべてに同じ色を使います</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>各ディスプレイの ID、コネクター、名前と、
色調整の有無と強さ</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays に引数はありません</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>この説明、またはコマンドの説明</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help にはコマンド名を 1 つ指定します</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>手動の色、同様</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin にはケルビンの整数を指定します (例: 3400)</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>手動の色を %1 K にしました</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>太陽を追う場所 (度、北と東が正)。
auto: 位置情報サービスから、
なければタイムゾーンから</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location には緯度 (-90〜90) と経度 (-180〜180) を度で指定するか (例: 59.91 10.75)、auto を指定します</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>場所を %1, %2 にしました</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>場所は自動で探します</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>モード (TorvelBar が起動していなければ
次回の起動用に保存)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode には auto (または schedule)、manual、off のいずれかを指定します</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>%1 モードで起動します</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>夜の色、同様</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s、30m、2h、1h30m (数字だけなら分)。
省略時: 起床時刻まで</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause に指定できる時間は 1 つまでです</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>時間「%1」を読み取れません (例: 30s、30m、2h、1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>一時停止は最長 24h です (%1 ではなく)</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>APP のウィンドウが前面にある間は控える
(X11 では WM_CLASS、Wayland では app_id)。
全画面のウィンドウも同様。list: アプリと
全画面を対象にするか</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>アプリ ID は 1〜255 バイトの 1 行です</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for には add APP、remove APP、list、fullscreen on|off のいずれかを指定します</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>全画面のウィンドウでは控えます</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>全画面のウィンドウでも控えません</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>次のアプリでは控えます: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>一時停止を終える</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume に引数はありません</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 には時刻を HH:MM で指定します (例: 22:30)</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down には 0〜12h の分単位の時間を指定します (例: 3h、1h30m)</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 にはケルビンの整数を指定します (例: 2700)</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>スケジュールを変更しました: 就寝 %1、起床 %2、移行 %3、昼 %4 K、夜 %5 K</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>就寝と起床を設定どおりにするか、毎日の
夕暮れと日の出に合わせる
(起動していなければ同様に保存)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source には clock か sun を指定します</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>スケジュールは%1に従います</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>状態の行と色。--json は 1 行に 1 つの
オブジェクトを出力 (waybar の text、tooltip、
class、alt を含む)。--follow は変化ごとに
1 行出力</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status に指定できるのは --json と --follow です (%1 ではなく)</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>色調整中ならオフ、そうでなければ前のモードに戻す</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle に引数はありません</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>この時刻から昼の色になる、同様</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>就寝までの移行、0〜12h (例: 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar は起動しておらず、HOME も XDG_CONFIG_HOME もないため保存できません</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar は起動しておらず、何も保存されませんでした: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar は起動していません。%1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar は起動していません</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar から応答がありません</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar は起動していません</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: セッションバスに接続できないため (%1)、TorvelBar に問い合わせできません</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>不明なスケジュールのソース「%1」(clock または sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>引数 %1 KiB は TorvelBar の上限 (%2 KiB) を超えています</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>変更は有効ですが保存されていません: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar は終了中です</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>不明なモード「%1」(auto、manual、off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>不明なスケジュール項目「%1」(bedtime、wake、windDown、dayKelvin、nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>色調整はオフです: 一時停止するものはありません</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>一時停止は最長 24 時間 (%1 秒) です (%2 秒ではなく)</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>1 つの呼び出し元が保持できる抑止は最大 %1 個です</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>同時に保持できる抑止は最大 %1 個です</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>この呼び出し元にクッキー %1 の抑止はありません</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>色調整するディスプレイがありません (WAYLAND_DISPLAY も DISPLAY も未設定)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>%1 ホストのモジュールを読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 は TorvelBar のホストモジュールではありません</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 はバージョン %2 のものです (%3 ではなく)</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>専用のランタイムフォルダーがないため (%1)、2 つ目の起動を防げず、クラッシュ時の色も戻せません。起動しません</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>ロック %1 を取得できません。起動しません</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>夜間モードが再びこちらの色を使っています</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>夜間モードの設定は管理者によりロックされています (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>GNOME の夜間モードの設定スキーマがインストールされていません</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME (明日まで)</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc はリンク先のないリンクです</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc は通常のファイルではありません</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc が 16 MiB を超えています</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc を読み込めません</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc に書き込めません (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc が再びこちらの色を使っています</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>KWin の夜間カラーがセッションバスで応答しません</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin (別のプログラムのため)</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind が拒否しました: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>専用のランタイムフォルダーがありません (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 に書き込めません (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 はこのユーザー専用のフォルダーではありません</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR、XDG_CACHE_HOME、HOME がどれも未設定です</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>コンポジターが再びこちらの色を使っています</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>Wayland コンポジターとの接続が切れました</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>コンポジターがガンマ制御を提供しなくなりました</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>コンポジターがすべての画面のガンマ制御を拒否しました (別のプログラムが使っている可能性があります)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>Wayland コンポジター %1 に接続できません</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>Wayland コンポジター %1 が接続を閉じました</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>このコンポジターはアプリにガンマ制御を提供しません</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>この Wayland コンポジターはアプリにガンマ制御も、TorvelBar が操作できる夜間モードも提供しません。コンポジター自身の夜間モードの設定を使ってください</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>X サーバーが再びこちらの色を使っています</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>X サーバー %1 との接続が切れました</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>X サーバー %1 にガンマランプを受け付ける画面がありません</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>X サーバー %1 に接続できません</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>X サーバー %1 に RandR 拡張がありません</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>X サーバー %1 の RandR は 1.2 より古いです</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>X サーバー %1 は Wayland コンポジターの Xwayland で、その色はどの画面にも届きません。WAYLAND_DISPLAY を設定して torvelbar を起動してください</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>HOME も XDG_CONFIG_HOME も設定されていません</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>ディスプレイは ID またはコネクターで指定します (1〜255 文字の 1 行)</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>ディスプレイの強さは 0〜100 です (%1 ではなく)</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>は 1 MiB を超えているため、こちらの設定ファイルではありません</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>を読み込めません (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>は自分のものではないファイルへのリンクです</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>はファイルではないものへのリンクです</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>設定ファイル %1 %2。変更は今回の実行中のみ有効です</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>設定フォルダーがありません: HOME も XDG_CONFIG_HOME も未設定です</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>設定ファイル %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>別のプログラムが設定フォルダー %1 をロックしています</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1。変更は保持され、ロックが外れたら保存されます</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1。何も保存されませんでした</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1。変更は今回の実行中のみ有効です</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>を再度読み込めませんでした</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>設定を %1 に保存できませんでした (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>は緯度 -90〜90 度と経度 -180〜180 度です (%1, %2 ではなく)</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>は %1〜%2% です (%3 ではなく)</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>の就寝と起床は 00:00〜23:59 です (午前 0 時から %1 分と %2 分ではなく)</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>の移行は 0〜12 時間です (%1 分ではなく)</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>の昼と夜の色は %1〜%2 K です (%3 K と %4 K ではなく)</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>は %1〜%2 K です (%3 ではなく)</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>手動の色</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>夜の明るさ</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>手動の明るさ</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>アプリ ID は最大 %1 個です (%2 個ではなく)</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>ディスプレイは最大 %1 台です (%2 台ではなく)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>使い方:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 は空でないフォルダーで、保存の妨げになっています</translation>
    </message>
</context>
</TS>
