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
</context>
</TS>
