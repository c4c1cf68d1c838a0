<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Texts</name>
    <message>
        <source>a window</source>
        <translation>une fenêtre</translation>
    </message>
    <message>
        <source>Screen colors are unchanged</source>
        <translation>Couleurs de l’écran inchangées</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pause jusqu’à %1</translation>
    </message>
    <message>
        <source>Paused for %1</source>
        <translation>En pause pour %1</translation>
    </message>
    <message>
        <source>Paused while %1 is fullscreen</source>
        <translation>En pause tant que %1 est en plein écran</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause : %1</translation>
    </message>
    <message>
        <source>Paused by %1</source>
        <translation>Mis en pause par %1</translation>
    </message>
    <message>
        <source>Not tinting: %1</source>
        <translation>Pas de teinte : %1</translation>
    </message>
    <message>
        <source>Fixed color</source>
        <translation>Couleur fixe</translation>
    </message>
    <message>
        <source>Previewing the day color</source>
        <translation>Aperçu de la couleur de jour</translation>
    </message>
    <message>
        <source>Previewing the night color</source>
        <translation>Aperçu de la couleur de nuit</translation>
    </message>
    <message>
        <source>Winding down · bedtime in %1</source>
        <translation>Transition · coucher dans %1</translation>
    </message>
    <message>
        <source>Night · wake at %1</source>
        <translation>Nuit · réveil à %1</translation>
    </message>
    <message>
        <source>Waking up · daylight at %1</source>
        <translation>Réveil · jour à %1</translation>
    </message>
    <message>
        <source>Daylight · wind-down at %1</source>
        <translation>Jour · transition à %1</translation>
    </message>
    <message>
        <source>no sunrise or dusk today</source>
        <translation>ni lever du soleil ni crépuscule aujourd’hui</translation>
    </message>
    <message>
        <source>no location for the sun</source>
        <translation>aucune position pour le soleil</translation>
    </message>
    <message>
        <source>pausing for apps does not work here</source>
        <translation>la pause pour les applis ne fonctionne pas ici</translation>
    </message>
    <message>
        <source>paused while %1 is fullscreen on %2</source>
        <translation>en pause tant que %1 est en plein écran sur %2</translation>
    </message>
    <message>
        <source>paused for %1 on %2</source>
        <translation>en pause pour %1 sur %2</translation>
    </message>
    <message>
        <source>%1 left as it is</source>
        <translation>%1 laissé tel quel</translation>
    </message>
    <message>
        <source>brightness set by you until %1</source>
        <translation>luminosité choisie par vous jusqu’à %1</translation>
    </message>
    <message>
        <source>cannot dim: %1</source>
        <translation>atténuation impossible : %1</translation>
    </message>
    <message>
        <source>dimming does not work here</source>
        <translation>l’atténuation ne fonctionne pas ici</translation>
    </message>
    <message>
        <source>other displays keep their brightness here</source>
        <translation>les autres écrans gardent leur luminosité ici</translation>
    </message>
    <message>
        <source>settings not saved</source>
        <translation>réglages non enregistrés</translation>
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
        <translation>%1&#xa0;h&#xa0;%2</translation>
    </message>
    <message>
        <source>now</source>
        <comment>bedtime in: now</comment>
        <translation>un instant</translation>
    </message>
    <message>
        <source>%1 (asked by %2)</source>
        <comment>a status line, a program</comment>
        <translation>%1 (demandé par %2)</translation>
    </message>
    <message>
        <source>Open TorvelBar</source>
        <translation>Ouvrir TorvelBar</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pause d’une heure</translation>
    </message>
    <message>
        <source>Pause until morning</source>
        <translation>Pause jusqu’au matin</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause while fullscreen</source>
        <translation>Pause en plein écran</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Noon</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>6 PM</source>
        <translation>18 h</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>6 AM</source>
        <translation>6 h</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Atténuer</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>no dimming</comment>
        <translation>Non</translation>
    </message>
    <message>
        <source>to %1%</source>
        <comment>dim to a percent</comment>
        <translation>à&#xa0;%1&#xa0;%</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Tint %1</source>
        <translation>Teinter %1</translation>
    </message>
    <message>
        <source>%1 strength</source>
        <translation>Intensité sur %1</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Bedtime earlier</source>
        <translation>Coucher plus tôt</translation>
    </message>
    <message>
        <source>Bedtime later</source>
        <translation>Coucher plus tard</translation>
    </message>
    <message>
        <source>Wake up earlier</source>
        <translation>Réveil plus tôt</translation>
    </message>
    <message>
        <source>Wake up later</source>
        <translation>Réveil plus tard</translation>
    </message>
    <message>
        <source>Wind-down shorter</source>
        <translation>Transition plus courte</translation>
    </message>
    <message>
        <source>Wind-down longer</source>
        <translation>Transition plus longue</translation>
    </message>
    <message>
        <source>Follow the sun</source>
        <translation>Suivre le soleil</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Wind-down</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>No location known: clock times</source>
        <translation>Position inconnue : heures fixes</translation>
    </message>
    <message>
        <source>at %1° %2, %3° %4</source>
        <comment>latitude, longitude</comment>
        <translation>à %1° %2, %3° %4</translation>
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
        <translation>à votre position</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>in a zone&apos;s place</comment>
        <translation>à %1</translation>
    </message>
    <message>
        <source>No sunrise or dusk %1 today</source>
        <comment>%1: at a place</comment>
        <translation>Ni lever du soleil ni crépuscule %1 aujourd’hui</translation>
    </message>
    <message>
        <source>Dusk and sunrise %1</source>
        <comment>%1: at a place</comment>
        <translation>Crépuscule et lever du soleil %1</translation>
    </message>
    <message>
        <source>Night from dusk to sunrise</source>
        <translation>Nuit du crépuscule au lever du soleil</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Débute à %1</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
