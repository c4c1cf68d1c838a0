<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>una finestra</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Colori dello schermo invariati</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>In pausa fino a %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>In pausa per %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>In pausa mentre %1 è a schermo intero</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>In pausa: %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Messo in pausa da %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Nessuna tinta: %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Colore fisso</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Anteprima del colore diurno</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Anteprima del colore notturno</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Transizione · a letto tra %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Notte · sveglia alle %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Risveglio · giorno alle %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Giorno · transizione alle %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>oggi né alba né crepuscolo</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>nessuna posizione per il sole</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>qui la pausa per le app non funziona</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>in pausa mentre %1 è a schermo intero su %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>in pausa per %1 su %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 lasciato com’è</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>luminosità scelta da te fino alle %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>impossibile attenuare: %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>qui l’attenuazione non funziona</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>qui gli altri schermi mantengono la luminosità</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>impostazioni non salvate</translation>
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
        <translation>un attimo</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (richiesto da %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Apri TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausa di 1 ora</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Pausa fino al mattino</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Pausa a schermo intero</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Apri all’accesso</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Mezzogiorno</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mezzanotte</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6:00</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Attenua</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>al&#xa0;%1%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Schermi</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Tinta su %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Intensità su %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>A letto prima</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>A letto più tardi</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Sveglia prima</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Sveglia più tardi</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Transizione più breve</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Transizione più lunga</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Segui il sole</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Ora di dormire</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Posizione sconosciuta: orari fissi</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>a %1° %2, %3° %4</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>at your location</source>
        <translation>nella tua posizione</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>a %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Oggi né alba né crepuscolo %1</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Crepuscolo e alba %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Notte dal crepuscolo all’alba</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Inizia alle %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>opzione sconosciuta %1 (vedi torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>comando sconosciuto «%1» (vedi torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (vedi torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Stato di uscita: 0 fatto, 1 TorvelBar non è in esecuzione (o non può avviarsi), 2 input non valido.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Uso: torvelbar [COMANDO]
Riscalda il colore di ogni schermo in base all’ora del giorno.

  torvelbar                      avvia, o apri la finestra di quello in esecuzione
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>da allora vale il colore notturno (anche
salvato per il prossimo avvio)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>la luminosità degli schermi di notte, o nella
modalità manuale: dal 10 al 100% del livello
impostato (100: mai attenuata)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness vuole night o manual e una percentuale, come brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>la sua luminosità %1 è ora al %2%</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>il colore diurno, da 1000 a 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 è tinto al %2%</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 resta com’è</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 e mantiene la sua luminosità</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>tingere lo schermo ID (il suo id o connettore,
come li elenca displays) o lasciarlo com’è;
strength: dallo 0 al 100% dello scarto da
6500 K; dim off: di notte mantiene la luminosità</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display vuole ID on, ID off, ID strength da 0 a 100, o ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>qui nessuno schermo a sé: questo desktop usa un colore per tutti</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>ogni schermo: id, connettore, nome e
se è tinto e quanto</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays non vuole argomenti</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>questo testo, o quello di un comando</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help vuole il nome di un comando</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>il colore manuale, idem</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin vuole un numero intero di kelvin, come 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>il suo colore manuale è ora %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>da dove si segue il sole, in gradi (nord ed
est positivi); auto: dal servizio di
localizzazione, altrimenti dal fuso orario</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location vuole una latitudine (da -90 a 90) e una longitudine (da -180 a 180) in gradi, come 59.91 10.75, o auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>la sua posizione è ora %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>troverà da sé la sua posizione</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>la modalità (salvata per il prossimo avvio
se TorvelBar non è in esecuzione)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode vuole auto (o schedule), manual oppure off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>si avvierà in modalità %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>il colore notturno, idem</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (un numero da solo indica
i minuti); senza: fino alla sveglia</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause vuole al massimo una durata</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>durata «%1» non leggibile (come 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>una pausa dura al massimo 24h, non %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>farsi da parte mentre la finestra di APP è
davanti (WM_CLASS su X11, app_id su Wayland),
idem per le finestre a schermo intero; list:
le app, e se lo schermo intero conta</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>un id di app è una riga da 1 a 255 byte</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for vuole add APP, remove APP, list o fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>si farà da parte per le finestre a schermo intero</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>le finestre a schermo intero non lo faranno da parte</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>si farà da parte per: %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nessuna app</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>terminare una pausa</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume non vuole argomenti</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 vuole un orario come HH:MM, ad esempio 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down vuole minuti interi da 0 a 12h, come 3h o 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 vuole un numero intero di kelvin, come 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>il suo programma è ora: a letto %1, sveglia %2, transizione di %3, %4 K di giorno e %5 K di notte</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>ora di dormire e sveglia come impostate, o il
crepuscolo e l’alba di ogni giorno (anche
salvato se non è in esecuzione)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source vuole clock o sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>il suo programma seguirà %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>il sole</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>l’orologio</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>la riga di stato e il colore; --json stampa
un oggetto per riga (con text, tooltip, class e
alt di waybar); --follow stampa una riga a ogni
cambiamento</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status accetta --json e --follow, non %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>spento se sta tingendo, altrimenti torna alla modalità di prima</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle non vuole argomenti</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>da allora vale il colore diurno, idem</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>la transizione verso l’ora di dormire, da 0 a 12h (come 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar: TorvelBar non è in esecuzione e, senza HOME né XDG_CONFIG_HOME, non c’è dove salvarlo</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar: TorvelBar non è in esecuzione e non è stato salvato nulla: %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar non è in esecuzione; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>non attivo</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar non è in esecuzione</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar: TorvelBar non ha risposto</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar: TorvelBar non è in esecuzione</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar: il bus di sessione non è raggiungibile (%1), quindi non si può interrogare TorvelBar</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>fonte del programma sconosciuta «%1» (clock o sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 KiB di argomenti sono più di quanto TorvelBar accetti (%2 KiB)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>la modifica è attiva ma non salvata: %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar si sta chiudendo</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>modalità sconosciuta «%1» (auto, manual o off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>campo del programma sconosciuto «%1» (bedtime, wake, windDown, dayKelvin o nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>la tinta è spenta: non c’è nulla da mettere in pausa</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>una pausa dura al massimo 24 ore (%1 s), non %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>un chiamante può tenere al massimo %1 inibizioni</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>al massimo %1 inibizioni possono essere attive insieme</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>nessuna inibizione di questo chiamante ha il cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>nessuno schermo da tingere (non è impostato né WAYLAND_DISPLAY né DISPLAY)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>impossibile caricare il modulo dell’host %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 non è un modulo host di TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 è della versione %2, non %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>nessuna cartella di esecuzione privata (%1): nulla impedirebbe una seconda copia né annullerebbe la tinta dopo un crash; avvio annullato</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>impossibile prendere il blocco %1; avvio annullato</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>Luce notturna riprende il nostro colore</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>le impostazioni di Luce notturna sono bloccate dall’amministratore (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>lo schema delle impostazioni di Luce notturna di GNOME non è installato</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME fino a domani</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc è un collegamento a nulla</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc non è un file normale</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc è più grande di 16 MiB</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc non è leggibile</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc non è scrivibile (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc riprende il nostro colore</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>il Colore notturno di KWin non risponde sul bus di sessione</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin per un altro programma</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non è leggibile</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind ha rifiutato: %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>nessuna cartella di esecuzione privata (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 non è scrivibile (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 non è una cartella privata di questo utente</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME e HOME non sono impostati</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>il compositor riprende il nostro colore</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>la connessione al compositor Wayland si è interrotta</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>il compositor non offre più il controllo gamma</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>il compositor ha rifiutato il controllo gamma di ogni schermo (forse lo tiene un altro programma)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>impossibile connettersi al compositor Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>il compositor Wayland %1 ha chiuso la connessione</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>questo compositor non offre controllo gamma alle applicazioni</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>questo compositor Wayland non offre alle applicazioni né il controllo gamma né una luce notturna che TorvelBar possa guidare; ci pensa la sua impostazione di luce notturna</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>il server X riprende il nostro colore</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>la connessione al server X %1 si è interrotta</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>nessuno schermo del server X %1 accetta una rampa gamma</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>impossibile connettersi al server X %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>il server X %1 non ha l’estensione RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>il server X %1 ha un RandR precedente alla 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>il server X %1 è lo Xwayland di un compositor Wayland, i cui colori non arrivano a nessuno schermo; avvia torvelbar con WAYLAND_DISPLAY impostato</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>non è impostato né HOME né XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>uno schermo si indica con id o connettore, una riga da 1 a 255 caratteri</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>l’intensità di uno schermo va da 0 a 100, non %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>è più grande di 1 MiB, quindi non è un nostro file di impostazioni</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>non è leggibile (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>è un collegamento a un file non tuo</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>è un collegamento a qualcosa che non è un file</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>il file di impostazioni %1 %2; le modifiche valgono solo per questa esecuzione</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>nessuna cartella di impostazioni: non è impostato né HOME né XDG_CONFIG_HOME</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>il file di impostazioni %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>un altro programma tiene il blocco della cartella di impostazioni %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1; la modifica resta e sarà salvata quando lo rilascia</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1; non è stato salvato nulla</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>impossibile salvare le impostazioni: %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1; la modifica resta per questa esecuzione</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>non è stato possibile rileggerlo</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>impossibile salvare le impostazioni in %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>è una latitudine da -90 a 90 e una longitudine da -180 a 180 gradi, non %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>vuole dal %1 al %2%, non %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>vuole ora di dormire e sveglia da 00:00 a 23:59, non %1 e %2 minuti dopo mezzanotte</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>vuole una transizione da 0 a 12 ore, non %1 minuto</numerusform>
            <numerusform>vuole una transizione da 0 a 12 ore, non %1 minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>vuole colori diurno e notturno da %1 a %2 K, non %3 e %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>il programma</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>vuole da %1 a %2 K, non %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>il colore manuale</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>la luminosità notturna</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>la luminosità manuale</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>una posizione</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>al massimo %1 id di app, non %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>al massimo %1 schermi, non %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Uso:
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 è una cartella non vuota che impedisce ogni salvataggio</translation>
    </message>
</context>
</TS>
