<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Kolory ekranu bez zmian</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Wstrzymano do %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>Wstrzymano dla %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>Wstrzymano, gdy %1 jest na pełnym ekranie</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Wstrzymano: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Wstrzymane przez %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Bez barwienia: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Stały kolor</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Podgląd koloru dziennego</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Podgląd koloru nocnego</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Wyciszanie · sen za %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Noc · pobudka o %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Budzenie · dzień o %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Dzień · wyciszanie o %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>dziś bez wschodu i zmierzchu</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>brak położenia dla słońca</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>wstrzymywanie dla aplikacji tu nie działa</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>wstrzymano, gdy %1 jest na pełnym ekranie na %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>wstrzymano dla %1 na %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 bez zmian</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>jasność ustawiona przez ciebie do %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>nie można przyciemnić: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>przyciemnianie tu nie działa</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>pozostałe ekrany zachowują tu jasność</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>ustawienia niezapisane</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1&#xa0;godz.</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1&#xa0;godz.&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>chwilę</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (na prośbę %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Otwórz TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Wstrzymaj na 1 godzinę</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Wstrzymaj do rana</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Wstrzymuj na pełnym ekranie</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Otwieraj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Południe</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Północ</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6:00</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Przyciemnij</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>do&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Ekrany</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Barwienie: %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Siła: %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Sen wcześniej</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Sen później</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Pobudka wcześniej</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Pobudka później</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Krótsze wyciszanie</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Dłuższe wyciszanie</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Według słońca</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Pora snu</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Pobudka</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Wyciszanie</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Nieznane położenie: stałe godziny</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>(%1° %2, %3° %4)</translation>
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
        <translation>(twoje położenie)</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Dziś bez wschodu i zmierzchu %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Zmierzch i wschód %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Noc od zmierzchu do wschodu</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Od %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
</context>
</TS>
