<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>een venster</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Schermkleuren ongewijzigd</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>Gepauzeerd voor %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>Gepauzeerd zolang %1 schermvullend is</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Gepauzeerd: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Gepauzeerd door %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Geen tint: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Vaste kleur</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Voorbeeld van de dagkleur</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Voorbeeld van de nachtkleur</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Overgang · bedtijd over %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Nacht · opstaan om %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Ontwaken · daglicht om %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Daglicht · overgang om %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>vandaag geen zonsopkomst of schemering</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>geen locatie voor de zon</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>pauzeren voor apps werkt hier niet</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>gepauzeerd zolang %1 schermvullend is op %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>gepauzeerd voor %1 op %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 ongewijzigd</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>eigen helderheid tot %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>kan niet dimmen: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>dimmen werkt hier niet</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>andere schermen houden hier hun helderheid</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>a duration in minutes</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>a duration in hours</comment>
        <translation>%1&#xa0;u</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>a duration in hours and minutes</comment>
        <translation>%1&#xa0;u&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>een moment</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (gevraagd door %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>TorvelBar openen</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 uur pauzeren</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Pauzeren tot de ochtend</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Pauzeren bij schermvullend</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Openen bij aanmelden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Middag</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Middernacht</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6:00</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Dimmen</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Uit</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>tot&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Schermen</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>%1 tinten</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Sterkte van %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Bedtijd eerder</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Bedtijd later</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Eerder opstaan</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Later opstaan</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Overgang korter</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Overgang langer</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>De zon volgen</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Bedtijd</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Opstaan</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Overgang</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Locatie onbekend: vaste tijden</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>op %1° %2, %3° %4</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>Z</translation>
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
        <translation>op je locatie</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Vandaag geen zonsopkomst of schemering %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Schemering en zonsopkomst %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Nacht van schemering tot zonsopkomst</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Begint om %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Verhogen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verlagen</translation>
    </message>
</context>
</TS>
