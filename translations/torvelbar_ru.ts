<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>окно</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Цвета экрана не изменены</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Пауза до %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>Пауза для %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>Пауза, пока %1 на весь экран</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Пауза: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Пауза по запросу %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Без оттенка: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Постоянный цвет</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Просмотр дневного цвета</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Просмотр ночного цвета</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Переход · сон через %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Ночь · подъём в %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Пробуждение · день в %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>День · переход в %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>сегодня без восхода и сумерек</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>нет местоположения для солнца</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>пауза для приложений здесь не работает</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>пауза, пока %1 на весь экран на %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>пауза для %1 на %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 без изменений</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>ваша яркость до %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>нельзя затемнить: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>затемнение здесь не работает</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>другие экраны здесь сохраняют яркость</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>настройки не сохранены</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1&#xa0;мин</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1&#xa0;ч</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1&#xa0;ч&#xa0;%2&#xa0;мин</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>мгновение</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (по запросу %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Открыть TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Пауза на 1 час</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Пауза до утра</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Пауза в полноэкранном режиме</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Открывать при входе</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Полдень</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Полночь</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6:00</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Затемнение</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>до&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Экраны</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Оттенок на %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Сила для %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ночь</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Сон раньше</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Сон позже</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Подъём раньше</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Подъём позже</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Переход короче</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Переход длиннее</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>По солнцу</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Отбой</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Подъём</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Место неизвестно: время по часам</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>(%1° %2, %3° %4)</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>ю. ш.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>с. ш.</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>з. д.</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>в. д.</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>(ваше место)</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Сегодня без восхода и сумерек %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Сумерки и восход %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Ночь от сумерек до восхода</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Начало в %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>неизвестный параметр %1 (см. torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>неизвестная команда «%1» (см. torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (см. torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Код выхода: 0 готово, 1 TorvelBar не запущен (или не может запуститься), 2 неверный ввод.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Использование: torvelbar [КОМАНДА]
Делает цвета каждого экрана теплее в зависимости от времени суток.

  torvelbar                      запустить или открыть окно уже запущенного
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>с этого времени действует ночной цвет (также
сохраняется до следующего запуска)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>яркость экранов ночью или в ручном
режиме: от 10 до 100% заданного вами
уровня (100: без затемнения)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness принимает night или manual и процент, например brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>яркость %1 теперь %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>дневной цвет, от 1000 до 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 окрашивается на %2%</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 остаётся без изменений</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 и сохраняет яркость</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>окрашивать экран ID (его id или разъём, как
их показывает displays) или оставить как есть;
strength: 0–100% сдвига от 6500 K;
dim off: ночью сохраняет яркость</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display принимает ID on, ID off, ID strength от 0 до 100 или ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>здесь нет отдельных экранов: это окружение задаёт один цвет для всех</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>каждый экран: id, разъём, имя, а также
окрашивается ли он и насколько</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays не принимает аргументов</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>этот текст или справка по команде</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help принимает имя одной команды</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>ручной цвет, так же</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin принимает целое число кельвинов, например 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>ручной цвет теперь %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>откуда следить за солнцем, в градусах
(север и восток положительны); auto: от
службы геолокации, иначе по часовому поясу</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location принимает широту (от -90 до 90) и долготу (от -180 до 180) в градусах, например 59.91 10.75, или auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>местоположение теперь %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>местоположение будет определено автоматически</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>режим (сохраняется до следующего запуска,
если TorvelBar не запущен)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode принимает auto (или schedule), manual или off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>запустится в режиме %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>ночной цвет, так же</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (просто число — минуты);
без аргумента: до времени подъёма</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause принимает не больше одной длительности</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>не удаётся прочитать длительность «%1» (например 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>пауза длится не больше 24h, а не %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>уступать, пока окно APP на переднем плане
(его WM_CLASS в X11, app_id в Wayland), так же
для полноэкранных окон; list: приложения и
учитывается ли полноэкранный режим</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>id приложения — одна строка длиной от 1 до 255 байт</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for принимает add APP, remove APP, list или fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>будет уступать полноэкранным окнам</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>полноэкранные окна не будут его приостанавливать</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>будет уступать для: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>ни одного приложения</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>завершить паузу</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume не принимает аргументов</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 принимает время в виде HH:MM, например 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down принимает целые минуты от 0 до 12h, например 3h или 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 принимает целое число кельвинов, например 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>расписание теперь: сон в %1, подъём в %2, переход %3, %4 K днём и %5 K ночью</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>время сна и подъёма как задано или сумерки
и восход каждого дня (также сохраняется,
если не запущен)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source принимает clock или sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>расписание будет следовать: %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>солнце</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>часы</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>строка состояния и цвет; --json выводит по
объекту в строке (с text, tooltip, class и alt
для waybar); --follow выводит строку при
каждом изменении</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status принимает --json и --follow, а не %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>выключить, если окрашивает, иначе вернуть прежний режим</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle не принимает аргументов</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>с этого времени действует дневной цвет, так же</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>переход ко сну, от 0 до 12h (например 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar не запущен, а без HOME и XDG_CONFIG_HOME сохранить это негде</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar не запущен, и ничего не сохранено: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar не запущен; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>не запущен</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar не запущен</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar не ответил</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar не запущен</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: сеансовая шина недоступна (%1), поэтому обратиться к TorvelBar нельзя</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>неизвестный источник расписания «%1» (clock или sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 КиБ аргументов — больше, чем принимает TorvelBar (%2 КиБ)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>изменение действует, но не сохранено: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar завершает работу</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>неизвестный режим «%1» (auto, manual или off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>неизвестное поле расписания «%1» (bedtime, wake, windDown, dayKelvin или nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>оттенок выключен: приостанавливать нечего</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>пауза длится не больше 24 часов (%1 с), а не %2 с</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>один вызывающий может держать не больше %1 блокировок</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>одновременно может быть не больше %1 блокировок</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>ни одна блокировка этого вызывающего не имеет cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>нет экрана для окрашивания (не задан ни WAYLAND_DISPLAY, ни DISPLAY)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>не удаётся загрузить модуль хоста %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 — не модуль хоста TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 из версии %2, а не %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>нет личной папки выполнения (%1), поэтому ничто не помешает второй копии и не снимет оттенок после сбоя; запуск отменён</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>не удаётся захватить блокировку %1; запуск отменён</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Ночной свет снова принимает наш цвет</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>настройки ночного света заблокированы администратором (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>схема настроек ночного света GNOME не установлена</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME до завтра</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc — ссылка в никуда</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc — не обычный файл</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc больше 16 МиБ</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>не удаётся прочитать kwinrc</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>не удаётся записать kwinrc (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc снова принимает наш цвет</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>ночные цвета KWin не отвечают на сеансовой шине</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin для другой программы</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind отказал: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>нет личной папки выполнения (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>не удаётся записать %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 — не личная папка этого пользователя</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>не заданы XDG_RUNTIME_DIR, XDG_CACHE_HOME и HOME</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>композитор снова принимает наш цвет</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>соединение с композитором Wayland прервано</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>композитор больше не даёт управлять гаммой</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>композитор отказал в управлении гаммой всех экранов (возможно, её держит другая программа)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>не удаётся подключиться к композитору Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>композитор Wayland %1 закрыл соединение</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>этот композитор не даёт приложениям управлять гаммой</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>этот композитор Wayland не даёт приложениям управлять гаммой и не имеет ночного света, которым может управлять TorvelBar; эту работу выполняет его собственная настройка ночного света</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>X-сервер снова принимает наш цвет</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>соединение с X-сервером %1 прервано</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>ни один экран X-сервера %1 не принимает гамма-таблицу</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>не удаётся подключиться к X-серверу %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>у X-сервера %1 нет расширения RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>у X-сервера %1 RandR старше 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>X-сервер %1 — это Xwayland композитора Wayland, его цвета не доходят до экранов; запустите torvelbar с заданным WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>не задан ни HOME, ни XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>экран указывается по id или разъёму — одна строка от 1 до 255 символов</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>сила для экрана — от 0 до 100, а не %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>больше 1 МиБ, значит это не наш файл настроек</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>— ссылка на чужой файл</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>— ссылка на что-то, что не является файлом</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>файл настроек %1 %2; изменения действуют только до выхода</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>нет папки настроек: не задан ни HOME, ни XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>файл настроек %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>другая программа держит блокировку папки настроек %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; изменение сохранится, когда блокировку снимут</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; ничего не сохранено</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>не удалось сохранить настройки: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; изменение действует до выхода</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>не удалось прочитать повторно</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>не удалось сохранить настройки в %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>— это широта от -90 до 90 и долгота от -180 до 180 градусов, а не %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>принимает от %1 до %2%, а не %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>принимает время сна и подъёма от 00:00 до 23:59, а не %1 и %2 минут после полуночи</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>принимает переход от 0 до 12 часов, а не %1 минуту</numerusform>
            <numerusform>принимает переход от 0 до 12 часов, а не %1 минуты</numerusform>
            <numerusform>принимает переход от 0 до 12 часов, а не %1 минут</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>принимает дневной и ночной цвета от %1 до %2 K, а не %3 и %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>расписание</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>принимает от %1 до %2 K, а не %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>ручной цвет</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>ночная яркость</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>ручная яркость</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>местоположение</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>не больше %1 id приложений, а не %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>не больше %1 экранов, а не %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Использование:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 — непустая папка, которая мешает любому сохранению</translation>
    </message>
</context>
</TS>
