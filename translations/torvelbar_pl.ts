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
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>nieznana opcja %1 (zobacz torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>nieznane polecenie „%1” (zobacz torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (zobacz torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Kod wyjścia: 0 gotowe, 1 TorvelBar nie działa (lub nie może wystartować), 2 błędne dane.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Użycie: torvelbar [POLECENIE]
Ociepla kolory każdego ekranu zależnie od pory dnia.

  torvelbar                      uruchom lub otwórz okno działającej instancji
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>od tej pory obowiązuje kolor nocny (także
zapisywane na następne uruchomienie)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>jasność ekranów w nocy lub w trybie
ręcznym: 10 do 100% ustawionego przez
ciebie poziomu (100: bez przyciemniania)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness przyjmuje night lub manual i procent, np. brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>jasność %1 wynosi teraz %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>kolor dzienny, od 1000 do 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 jest barwiony w %2%</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 pozostaje bez zmian</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 i zachowuje jasność</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>barwić ekran ID (jego id lub złącze, jak
wypisuje je displays) albo zostawić bez zmian;
strength: 0 do 100% przesunięcia od 6500 K;
dim off: w nocy zachowuje jasność</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display przyjmuje ID on, ID off, ID strength 0 do 100 lub ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>tu brak osobnych ekranów: to środowisko przyjmuje jeden kolor dla wszystkich</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>każdy ekran: id, złącze, nazwa oraz
czy i jak mocno jest barwiony</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>ten tekst lub opis jednego polecenia</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help przyjmuje nazwę jednego polecenia</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>kolor ręczny, tak samo</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin przyjmuje liczbę całkowitą kelwinów, np. 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>kolor ręczny to teraz %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>skąd śledzić słońce, w stopniach (północ
i wschód dodatnie); auto: z usługi
lokalizacji, a bez niej ze strefy czasowej</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location przyjmuje szerokość (-90 do 90) i długość (-180 do 180) w stopniach, np. 59.91 10.75, albo auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>położenie to teraz %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>samo ustali położenie</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>tryb (zapisywany na następne uruchomienie,
gdy TorvelBar nie działa)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode przyjmuje auto (lub schedule), manual albo off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>uruchomi się w trybie %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>kolor nocny, tak samo</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (sama liczba to minuty);
bez niczego: do pory pobudki</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause przyjmuje najwyżej jeden czas</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>nie można odczytać czasu „%1” (np. 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>pauza trwa najwyżej 24h, nie %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>ustępować, gdy okno APP jest na wierzchu
(WM_CLASS w X11, app_id w Wayland), tak samo
dla okien na pełnym ekranie; list: aplikacje
i czy pełny ekran się liczy</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>id aplikacji to jeden wiersz o długości od 1 do 255 bajtów</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for przyjmuje add APP, remove APP, list lub fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>będzie ustępować oknom na pełnym ekranie</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>okna na pełnym ekranie nie będą go wstrzymywać</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>będzie ustępować dla: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>żadnej aplikacji</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>zakończyć pauzę</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 przyjmuje godzinę w postaci HH:MM, np. 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down przyjmuje pełne minuty od 0 do 12h, np. 3h lub 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 przyjmuje liczbę całkowitą kelwinów, np. 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>harmonogram to teraz: sen %1, pobudka %2, wyciszanie %3, %4 K w dzień i %5 K w nocy</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>pora snu i pobudki jak ustawiono albo
zmierzch i wschód słońca każdego dnia
(także zapisywane, gdy nie działa)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source przyjmuje clock lub sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>harmonogram będzie podążać za: %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>słońce</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>zegar</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>wiersz stanu i kolor; --json wypisuje jeden
obiekt na wiersz (z text, tooltip, class i alt
dla waybar); --follow wypisuje wiersz przy
każdej zmianie</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status przyjmuje --json i --follow, nie %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>wyłącz, jeśli barwi, a jeśli nie, wróć do poprzedniego trybu</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>od tej pory obowiązuje kolor dzienny, tak samo</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>wyciszanie przed snem, od 0 do 12h (np. 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar nie działa, a bez HOME i XDG_CONFIG_HOME nie ma gdzie tego zapisać</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar nie działa i nic nie zapisano: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar nie działa; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>nie działa</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar nie działa</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar nie odpowiedział</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar nie działa</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: magistrala sesji jest niedostępna (%1), więc nie można zapytać TorvelBar</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>nieznane źródło harmonogramu „%1” (clock lub sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB argumentów to więcej, niż TorvelBar przyjmuje (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>zmiana obowiązuje, ale nie została zapisana: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar kończy pracę</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>nieznany tryb „%1” (auto, manual lub off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>nieznane pole harmonogramu „%1” (bedtime, wake, windDown, dayKelvin lub nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>barwienie jest wyłączone: nie ma czego wstrzymać</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>pauza trwa najwyżej 24 godziny (%1 s), nie %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>jeden wywołujący może mieć najwyżej %1 blokad</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>jednocześnie może być najwyżej %1 blokad</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>żadna blokada tego wywołującego nie ma ciasteczka %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>brak ekranu do barwienia (nie ustawiono ani WAYLAND_DISPLAY, ani DISPLAY)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>nie można wczytać modułu hosta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 nie jest modułem hosta TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 pochodzi z wersji %2, nie %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>brak prywatnego katalogu uruchomieniowego (%1), więc nic nie powstrzyma drugiej kopii ani nie cofnie barwienia po awarii; bez uruchamiania</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>nie można założyć blokady %1; bez uruchamiania</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Światło nocne znów przyjmuje nasz kolor</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>ustawienia Światła nocnego są zablokowane przez administratora (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>schemat ustawień Światła nocnego GNOME nie jest zainstalowany</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME do jutra</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc to dowiązanie donikąd</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc jest większy niż 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>nie można odczytać kwinrc</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>nie można zapisać kwinrc (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc znów przyjmuje nasz kolor</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>Kolor nocny KWin nie odpowiada na magistrali sesji</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin dla innego programu</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind odmówił: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>brak prywatnego katalogu uruchomieniowego (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 nie jest prywatnym katalogiem tego użytkownika</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME i HOME nie są ustawione</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>kompozytor znów przyjmuje nasz kolor</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>połączenie z kompozytorem Wayland zostało zerwane</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>kompozytor nie oferuje już sterowania gammą</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>kompozytor odmówił sterowania gammą każdego ekranu (może trzyma je inny program)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>nie można połączyć się z kompozytorem Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>kompozytor Wayland %1 zamknął połączenie</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>ten kompozytor nie oferuje aplikacjom sterowania gammą</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>ten kompozytor Wayland nie oferuje aplikacjom sterowania gammą ani światła nocnego, którym TorvelBar mógłby sterować; to zadanie wykonuje jego własne ustawienie światła nocnego</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>serwer X znów przyjmuje nasz kolor</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>połączenie z serwerem X %1 zostało zerwane</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>żaden ekran serwera X %1 nie przyjmuje rampy gamma</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>nie można połączyć się z serwerem X %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>serwer X %1 nie ma rozszerzenia RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>serwer X %1 ma RandR starszy niż 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>serwer X %1 to Xwayland kompozytora Wayland, którego kolory nie docierają do żadnego ekranu; uruchom torvelbar z ustawionym WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>nie ustawiono ani HOME, ani XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć katalogu %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>ekran wskazuje się przez id lub złącze, jeden wiersz o długości od 1 do 255 znaków</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>siła dla ekranu to 0 do 100, nie %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>jest większy niż 1 MiB, więc nie jest naszym plikiem ustawień</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nie daje się odczytać (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>jest dowiązaniem do cudzego pliku</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>jest dowiązaniem do czegoś, co nie jest plikiem</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>plik ustawień %1 %2; zmiany obowiązują tylko w tym uruchomieniu</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>brak katalogu ustawień: nie ustawiono ani HOME, ani XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>plik ustawień %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>inny program trzyma blokadę katalogu ustawień %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; zmiana zostaje i zostanie zapisana, gdy blokada zniknie</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; nic nie zapisano</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>nie udało się zapisać ustawień: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; zmiana obowiązuje w tym uruchomieniu</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>nie dał się ponownie odczytać</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>nie udało się zapisać ustawień w %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>to szerokość od -90 do 90 i długość od -180 do 180 stopni, nie %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>przyjmuje od %1 do %2%, nie %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>przyjmuje porę snu i pobudki od 00:00 do 23:59, nie %1 i %2 minut po północy</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>przyjmuje wyciszanie od 0 do 12 godzin, nie %1 minutę</numerusform>
            <numerusform>przyjmuje wyciszanie od 0 do 12 godzin, nie %1 minuty</numerusform>
            <numerusform>przyjmuje wyciszanie od 0 do 12 godzin, nie %1 minut</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>przyjmuje kolory dzienny i nocny od %1 do %2 K, nie %3 i %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>harmonogram</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>przyjmuje od %1 do %2 K, nie %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>kolor ręczny</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>jasność nocna</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>jasność ręczna</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>położenie</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>najwyżej %1 id aplikacji, nie %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>najwyżej %1 ekranów, nie %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Użycie:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 to niepusty katalog, który uniemożliwia każdy zapis</translation>
    </message>
</context>
</TS>
