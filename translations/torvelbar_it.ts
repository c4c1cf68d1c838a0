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
</context>
</TS>
