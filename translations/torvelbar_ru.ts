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
</context>
</TS>
