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
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>onbekende optie %1 (zie torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>onbekende opdracht ‘%1’ (zie torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (zie torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Afsluitstatus: 0 klaar, 1 TorvelBar draait niet (of kan niet starten), 2 ongeldige invoer.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Gebruik: torvelbar [OPDRACHT]
Maakt de kleur van elk scherm warmer naargelang het tijdstip.

  torvelbar                      starten, of het venster van de lopende openen
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>vanaf dan geldt de nachtkleur (ook bewaard
voor de volgende start als het niet draait)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>hoe helder de schermen ’s nachts zijn, of in
de handmatige modus: 10 tot 100% van het
ingestelde niveau (100: nooit gedimd)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness verwacht night of manual en een percentage, zoals brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>de helderheid %1 is nu %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>de dagkleur, 1000 tot 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 wordt getint op %2%</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 blijft zoals het is</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 en houdt zijn helderheid</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>het scherm ID tinten (zijn id of aansluiting,
zoals displays ze toont) of laten zoals het is;
strength: 0 tot 100% van de verschuiving vanaf
6500 K; dim off: het houdt ’s nachts zijn helderheid</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display verwacht ID on, ID off, ID strength 0 tot 100, of ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>hier geen eigen schermen: deze desktop neemt één kleur voor alle</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>elk scherm: id, aansluiting, naam, en
of en hoe sterk het getint wordt</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays verwacht geen argumenten</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>deze tekst, of die van één opdracht</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help verwacht de naam van één opdracht</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>de handmatige kleur, idem</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin verwacht een geheel aantal kelvin, zoals 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>de handmatige kleur is nu %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>van waar de zon gevolgd wordt, in graden
(noord en oost positief); auto: van de
locatiedienst, anders de tijdzone</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location verwacht een breedte (-90 tot 90) en een lengte (-180 tot 180) in graden, zoals 59.91 10.75, of auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>de locatie is nu %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>het zoekt zelf zijn locatie</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>de modus (bewaard voor de volgende start
als TorvelBar niet draait)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode verwacht auto (of schedule), manual of off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>het start in de modus %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>de nachtkleur, idem</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (een los getal is in
minuten); zonder: tot de opstaantijd</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause verwacht hoogstens één duur</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>kan de duur ‘%1’ niet lezen (zoals 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>een pauze duurt hoogstens 24h, niet %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>wijken zolang het venster van APP vooraan
staat (WM_CLASS op X11, app_id op Wayland),
idem voor schermvullende vensters; list: de
apps, en of schermvullend telt</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>een app-id is één regel van 1 tot 255 bytes</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for verwacht add APP, remove APP, list, of fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>het wijkt voor schermvullende vensters</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>schermvullende vensters laten het niet wijken</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>het wijkt voor: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>geen app</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>een pauze beëindigen</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume verwacht geen argumenten</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 verwacht een tijd als HH:MM, zoals 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down verwacht hele minuten van 0 tot 12h, zoals 3h of 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 verwacht een geheel aantal kelvin, zoals 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>het schema is nu: bedtijd %1, opstaan %2, een overgang van %3, %4 K overdag en %5 K ’s nachts</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>bedtijd en opstaan zoals ingesteld, of de
schemering en zonsopkomst van elke dag
(ook bewaard als het niet draait)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source verwacht clock of sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>het schema volgt %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>de zon</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>de klok</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>de statusregel en de kleur; --json schrijft
één object per regel (met text, tooltip, class
en alt voor waybar); --follow schrijft een
regel bij elke wijziging</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status verwacht --json en --follow, niet %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>uit als het tint, anders terug naar de vorige modus</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle verwacht geen argumenten</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>vanaf dan geldt de dagkleur, idem</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>de overgang naar bedtijd, 0 tot 12h (zoals 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar draait niet, en zonder HOME of XDG_CONFIG_HOME is er geen plek om het te bewaren</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar draait niet, en er is niets bewaard: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar draait niet; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>draait niet</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar draait niet</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar antwoordde niet</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar draait niet</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: de sessiebus is onbereikbaar (%1), dus TorvelBar kan niets gevraagd worden</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>onbekende schemabron ‘%1’ (clock of sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB aan argumenten is meer dan TorvelBar aanneemt (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>de wijziging geldt, maar is niet bewaard: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar stopt</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>onbekende modus ‘%1’ (auto, manual of off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>onbekend schemaveld ‘%1’ (bedtime, wake, windDown, dayKelvin of nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>de tint staat uit: er valt niets te pauzeren</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>een pauze duurt hoogstens 24 uur (%1 s), niet %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>één aanroeper mag hoogstens %1 blokkades houden</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>hoogstens %1 blokkades mogen tegelijk bestaan</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>geen blokkade van deze aanroeper heeft de cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>geen scherm om te tinten (WAYLAND_DISPLAY noch DISPLAY is ingesteld)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>de module voor %1 kan niet geladen worden: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 is geen hostmodule van TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 is van versie %2, niet %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>geen eigen runtimemap (%1), dus niets houdt een tweede kopie tegen of maakt de tint na een crash ongedaan; niet gestart</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>kan de vergrendeling %1 niet nemen; niet gestart</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Nachtlicht neemt onze kleur weer over</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>de instellingen van Nachtlicht zijn vergrendeld door de beheerder (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>het instellingenschema van GNOME’s Nachtlicht is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME tot morgen</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc is een koppeling naar niets</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc is geen gewoon bestand</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc is groter dan 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc kan niet gelezen worden</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc kan niet geschreven worden (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc neemt onze kleur weer over</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>Nachtkleur van KWin antwoordt niet op de sessiebus</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin voor een ander programma</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>geen sessiebus</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet gelezen worden</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind weigerde: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>geen eigen runtimemap (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kan niet geschreven worden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 is geen eigen map van deze gebruiker</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME en HOME zijn geen van alle ingesteld</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>de compositor neemt onze kleur weer over</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>de verbinding met de Wayland-compositor is verbroken</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>de compositor biedt geen gammaregeling meer</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>de compositor weigerde de gammaregeling van elk scherm (misschien houdt een ander programma die vast)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>kan geen verbinding maken met de Wayland-compositor %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>de Wayland-compositor %1 sloot de verbinding</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>deze compositor biedt toepassingen geen gammaregeling</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>deze Wayland-compositor biedt toepassingen geen gammaregeling en geen nachtlicht dat TorvelBar kan aansturen; zijn eigen nachtlichtinstelling doet dit werk</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>de X-server neemt onze kleur weer over</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>de verbinding met de X-server %1 is verbroken</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>geen scherm van de X-server %1 neemt een gammatabel aan</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>kan geen verbinding maken met de X-server %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>de X-server %1 heeft geen RandR-extensie</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>de X-server %1 heeft RandR ouder dan 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>de X-server %1 is de Xwayland van een Wayland-compositor, waarvan de kleuren geen scherm bereiken; start torvelbar met WAYLAND_DISPLAY ingesteld</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>HOME noch XDG_CONFIG_HOME is ingesteld</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>kan de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>een scherm heet naar zijn id of aansluiting, één regel van 1 tot 255 tekens</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>de sterkte van een scherm is 0 tot 100, niet %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>is groter dan 1 MiB en dus geen instellingenbestand van ons</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan niet gelezen worden (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>is een koppeling naar een bestand dat niet van jou is</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>is een koppeling naar iets dat geen bestand is</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>het instellingenbestand %1 %2; wijzigingen gelden alleen deze keer</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>geen instellingenmap: HOME noch XDG_CONFIG_HOME is ingesteld</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>het instellingenbestand %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>een ander programma houdt de vergrendeling van de instellingenmap %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; de wijziging blijft en wordt bewaard zodra het loslaat</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; er is niets bewaard</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>de instellingen konden niet bewaard worden: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; de wijziging geldt voor deze keer</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>kon niet opnieuw gelezen worden</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>de instellingen konden niet in %1 bewaard worden (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>is een breedte van -90 tot 90 en een lengte van -180 tot 180 graden, niet %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>neemt %1 tot %2%, niet %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>neemt een bedtijd en opstaantijd van 00:00 tot 23:59, niet %1 en %2 minuten na middernacht</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>neemt een overgang van 0 tot 12 uur, niet %1 minuut</numerusform>
            <numerusform>neemt een overgang van 0 tot 12 uur, niet %1 minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>neemt dag- en nachtkleuren van %1 tot %2 K, niet %3 en %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>het schema</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>neemt %1 tot %2 K, niet %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>de handmatige kleur</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>de nachthelderheid</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>de handmatige helderheid</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>een locatie</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>hoogstens %1 app-id’s, niet %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>hoogstens %1 schermen, niet %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Gebruik:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 is een niet-lege map die elke keer bewaren in de weg staat</translation>
    </message>
</context>
</TS>
