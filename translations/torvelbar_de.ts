<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>ein Fenster</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Bildschirmfarben unverändert</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausiert bis %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>Pausiert für %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>Pausiert, solange %1 im Vollbild ist</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausiert: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Pausiert durch %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Keine Tönung: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Feste Farbe</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Vorschau der Tagesfarbe</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Vorschau der Nachtfarbe</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Übergang · Schlafenszeit in %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Nacht · Aufwachen um %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Aufwachen · Tageslicht um %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Tageslicht · Übergang ab %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>heute weder Sonnenaufgang noch Dämmerung</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>kein Standort für den Sonnenstand</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>Pausieren für Apps geht hier nicht</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>pausiert, solange %1 auf %2 im Vollbild ist</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>pausiert für %1 auf %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 unverändert</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>eigene Helligkeit bis %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>Dimmen nicht möglich: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>Dimmen geht hier nicht</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>andere Bildschirme behalten hier ihre Helligkeit</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (angefordert von %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>TorvelBar öffnen</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 Stunde pausieren</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Bis zum Morgen pausieren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Bei Vollbild pausieren</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Bei Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Mittag</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18 Uhr</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6 Uhr</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Dimmen</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>auf&#xa0;%1&#xa0;%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>%1 tönen</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Stärke für %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Schlafenszeit früher</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Schlafenszeit später</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Früher aufwachen</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Später aufwachen</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Übergang kürzer</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Übergang länger</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Der Sonne folgen</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Schlafenszeit</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Aufwachen</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Kein Standort bekannt: feste Uhrzeiten</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>bei %1° %2, %3° %4</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>am aktuellen Standort</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Heute weder Sonnenaufgang noch Dämmerung %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Dämmerung und Sonnenaufgang %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Nacht von Dämmerung bis Sonnenaufgang</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Beginnt um %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>unbekannte Option %1 (siehe torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (siehe torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Rückgabewert: 0 erledigt, 1 TorvelBar läuft nicht (oder startet nicht), 2 ungültige Eingabe.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Aufruf: torvelbar [BEFEHL]
Wärmt die Farbe jedes Bildschirms je nach Tageszeit.

  torvelbar                      starten oder das Fenster der laufenden Instanz öffnen
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>ab dann gilt die Nachtfarbe (ebenso für den
nächsten Start gespeichert, wenn es nicht läuft)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>wie hell die Bildschirme nachts oder im
manuellen Modus sind: 10 bis 100 % der von
Ihnen gesetzten Helligkeit (100: nie gedimmt)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness erwartet night oder manual und einen Prozentwert, etwa brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>die Helligkeit %1 ist jetzt %2 %</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>die Tagesfarbe, 1000 bis 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 wird mit %2 % getönt</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 und behält seine Helligkeit</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>den Bildschirm ID tönen (seine Kennung oder
sein Anschluss, wie displays sie zeigt) oder
unverändert lassen; strength: 0 bis 100 % der
Verschiebung ab 6500 K; dim off: er behält
nachts seine Helligkeit</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display erwartet ID on, ID off, ID strength 0 bis 100 oder ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>hier kein eigener Bildschirm: diese Arbeitsumgebung nimmt eine Farbe für alle</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>jeder Bildschirm: Kennung, Anschluss, Name
und ob und wie stark er getönt wird</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays erwartet keine Argumente</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>dieser Text oder der eines Befehls</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help erwartet den Namen eines Befehls</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>die manuelle Farbe, ebenso</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin erwartet eine ganze Zahl in Kelvin, etwa 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>die manuelle Farbe ist jetzt %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>von wo aus der Sonne gefolgt wird, in Grad
(Nord und Ost positiv); auto: vom Ortungs-
dienst, sonst aus der Zeitzone</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location erwartet Breite (-90 bis 90) und Länge (-180 bis 180) in Grad, etwa 59.91 10.75, oder auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>der Standort ist jetzt %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>der Standort wird selbst ermittelt</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>der Modus (für den nächsten Start gespeichert,
wenn TorvelBar nicht läuft)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode erwartet auto (oder schedule), manual oder off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>es startet im Modus %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>die Nachtfarbe, ebenso</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (eine bloße Zahl sind
Minuten); ohne: bis zur Aufwachzeit</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause erwartet höchstens eine Dauer</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>die Dauer „%1“ ist nicht lesbar (etwa 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>eine Pause dauert höchstens 24h, nicht %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>pausieren, solange das Fenster von APP vorne ist
(WM_CLASS unter X11, app_id unter Wayland),
ebenso für jedes Vollbildfenster; list: die
Apps und ob Vollbild zählt</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>eine App-Kennung ist eine Zeile von 1 bis 255 Bytes</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for erwartet add APP, remove APP, list oder fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>es pausiert für Vollbildfenster</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>Vollbildfenster pausieren es nicht</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>es pausiert für: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>keine App</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>eine Pause beenden</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume erwartet keine Argumente</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 erwartet eine Uhrzeit als HH:MM, etwa 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down erwartet ganze Minuten von 0 bis 12h, etwa 3h oder 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 erwartet eine ganze Zahl in Kelvin, etwa 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>der Zeitplan ist jetzt: Schlafenszeit %1, Aufwachen %2, Übergang %3, %4 K am Tag und %5 K in der Nacht</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>Schlafenszeit und Aufwachen wie eingestellt oder
Dämmerung und Sonnenaufgang jedes Tages
(ebenso gespeichert, wenn es nicht läuft)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source erwartet clock oder sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>der Zeitplan folgt %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>der Sonne</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>der Uhr</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>die Statuszeile und die Farbe; --json gibt ein
Objekt je Zeile aus (mit waybars text, tooltip,
class und alt); --follow gibt bei jeder
Änderung eine Zeile aus</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status erwartet --json und --follow, nicht %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>aus, wenn getönt wird, sonst zurück zum vorigen Modus</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle erwartet keine Argumente</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>ab dann gilt die Tagesfarbe, ebenso</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>der Übergang zur Schlafenszeit, 0 bis 12h (etwa 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar läuft nicht, und ohne HOME oder XDG_CONFIG_HOME gibt es keinen Ort zum Speichern</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar läuft nicht, und nichts wurde gespeichert: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar läuft nicht; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar läuft nicht</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar hat nicht geantwortet</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar läuft nicht</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: der Sitzungsbus ist nicht erreichbar (%1), daher kann TorvelBar nicht gefragt werden</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>unbekannte Zeitplanquelle „%1“ (clock oder sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB an Argumenten sind mehr, als TorvelBar annimmt (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>die Änderung gilt, ist aber nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar wird beendet</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>unbekannter Modus „%1“ (auto, manual oder off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>unbekanntes Zeitplanfeld „%1“ (bedtime, wake, windDown, dayKelvin oder nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>die Tönung ist aus: es gibt nichts zu pausieren</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>eine Pause dauert höchstens 24 Stunden (%1 s), nicht %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>ein Aufrufer darf höchstens %1 Sperren halten</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>höchstens %1 Sperren dürfen gleichzeitig bestehen</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>keine Sperre dieses Aufrufers hat das Cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>kein Bildschirm zum Tönen (weder WAYLAND_DISPLAY noch DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>das Modul für %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 ist kein Hostmodul von TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 gehört zu Version %2, nicht %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>kein privater Laufzeitordner (%1), also würde nichts eine zweite Instanz verhindern oder die Tönung nach einem Absturz zurücknehmen; kein Start</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>die Sperre %1 lässt sich nicht setzen; kein Start</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Nachtlicht übernimmt wieder unsere Farbe</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>die Einstellungen von Nachtlicht sind vom Administrator gesperrt (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>das Einstellungsschema für GNOMEs Nachtlicht ist nicht installiert</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME bis morgen</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc ist ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc ist keine normale Datei</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc ist größer als 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc ist nicht lesbar</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc lässt sich nicht schreiben (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc übernimmt wieder unsere Farbe</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>KWins Nachtfarben antworten nicht auf dem Sitzungsbus</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin für ein anderes Programm</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>kein privater Laufzeitordner (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 lässt sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 ist kein privater Ordner dieses Benutzers</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME und HOME sind alle nicht gesetzt</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>der Compositor übernimmt wieder unsere Farbe</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>die Verbindung zum Wayland-Compositor ist abgebrochen</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>der Compositor bietet keine Gamma-Steuerung mehr</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>der Compositor verweigert die Gamma-Steuerung aller Bildschirme (vielleicht hält sie ein anderes Programm)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>keine Verbindung zum Wayland-Compositor %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>der Wayland-Compositor %1 hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>dieser Compositor bietet Anwendungen keine Gamma-Steuerung</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>dieser Wayland-Compositor bietet Anwendungen weder Gamma-Steuerung noch ein Nachtlicht, das TorvelBar steuern kann; seine eigene Nachtlicht-Einstellung übernimmt diese Aufgabe</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>der X-Server übernimmt wieder unsere Farbe</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>die Verbindung zum X-Server %1 ist abgebrochen</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>kein Bildschirm des X-Servers %1 nimmt eine Gamma-Tabelle an</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>keine Verbindung zum X-Server %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>der X-Server %1 hat keine RandR-Erweiterung</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>der X-Server %1 hat RandR älter als 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>der X-Server %1 ist das Xwayland eines Wayland-Compositors, dessen Farben keinen Bildschirm erreichen; starten Sie torvelbar mit gesetztem WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>weder HOME noch XDG_CONFIG_HOME ist gesetzt</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>ein Bildschirm wird mit Kennung oder Anschluss benannt, eine Zeile von 1 bis 255 Zeichen</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>die Stärke eines Bildschirms ist 0 bis 100, nicht %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>ist größer als 1 MiB und daher keine Einstellungsdatei von uns</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>ist ein Verweis auf eine fremde Datei</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>ist ein Verweis auf etwas, das keine Datei ist</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>die Einstellungsdatei %1 %2; Änderungen gelten nur für diese Sitzung</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>kein Einstellungsordner: weder HOME noch XDG_CONFIG_HOME ist gesetzt</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>die Einstellungsdatei %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>ein anderes Programm hält die Sperre auf den Einstellungsordner %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; die Änderung bleibt und wird gespeichert, sobald es sie freigibt</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>die Einstellungen ließen sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; die Änderung gilt für diese Sitzung</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>ließ sich nicht erneut lesen</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>die Einstellungen ließen sich nicht in %1 speichern (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>ist eine Breite von -90 bis 90 und eine Länge von -180 bis 180 Grad, nicht %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>nimmt %1 bis %2 %, nicht %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>nimmt Schlafens- und Aufwachzeit von 00:00 bis 23:59, nicht %1 und %2 Minuten nach Mitternacht</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>nimmt einen Übergang von 0 bis 12 Stunden, nicht %1 Minute</numerusform>
            <numerusform>nimmt einen Übergang von 0 bis 12 Stunden, nicht %1 Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>nimmt Tages- und Nachtfarben von %1 bis %2 K, nicht %3 und %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>der Zeitplan</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>nimmt %1 bis %2 K, nicht %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>die manuelle Farbe</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>die Nachthelligkeit</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>die manuelle Helligkeit</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>ein Standort</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>höchstens %1 App-Kennungen, nicht %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>höchstens %1 Bildschirme, nicht %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Aufruf:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 ist ein nicht leerer Ordner, der jedem Speichern im Weg ist</translation>
    </message>
</context>
</TS>
