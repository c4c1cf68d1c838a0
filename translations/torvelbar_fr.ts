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
    <message>
        <source>unknown option %1 (see torvelbar --help)</source>
        <translation>option inconnue %1 (voir torvelbar --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see torvelbar --help)</source>
        <translation>commande inconnue « %1 » (voir torvelbar --help)</translation>
    </message>
    <message>
        <source>%1 (see torvelbar help %2)</source>
        <translation>%1 (voir torvelbar help %2)</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.
</source>
        <translation>
Code de sortie : 0 fait, 1 TorvelBar ne tourne pas (ou ne peut démarrer), 2 saisie invalide.
</translation>
    </message>
    <message>
        <source>Usage: torvelbar [COMMAND]
Warms the color of every display by the time of day.

  torvelbar                      start, or open the running one&apos;s popover
</source>
        <translation>Usage : torvelbar [COMMANDE]
Réchauffe la couleur de chaque écran selon l’heure.

  torvelbar                      démarrer, ou ouvrir la fenêtre de celui qui tourne
</translation>
    </message>
    <message>
        <source>the night color holds from then (likewise
saved for the next start when not running)</source>
        <translation>la couleur de nuit s’applique dès lors (de même
enregistré pour le prochain démarrage)</translation>
    </message>
    <message>
        <source>how bright the screens are at night, or in
the manual mode: 10 to 100% of the level you
set (100: never dimmed)</source>
        <translation>la luminosité des écrans la nuit, ou en mode
manuel : 10 à 100 % du niveau que vous
avez réglé (100 : jamais atténué)</translation>
    </message>
    <message>
        <source>brightness takes night or manual and a percent, such as brightness night 60</source>
        <translation>brightness attend night ou manual et un pourcentage, par exemple brightness night 60</translation>
    </message>
    <message>
        <source>its %1 brightness is now %2%</source>
        <translation>sa luminosité %1 est maintenant de %2 %</translation>
    </message>
    <message>
        <source>the day color, 1000 to 6500 K</source>
        <translation>la couleur de jour, de 1000 à 6500 K</translation>
    </message>
    <message>
        <source>%1 is tinted at %2%</source>
        <translation>%1 est teinté à %2 %</translation>
    </message>
    <message>
        <source>%1 is left as it is</source>
        <translation>%1 est laissé tel quel</translation>
    </message>
    <message>
        <source>%1 and keeps its brightness</source>
        <translation>%1 et garde sa luminosité</translation>
    </message>
    <message>
        <source>tint the display ID (its id or connector, as
displays lists them) or leave it as it is; its
strength: 0 to 100% of the shift from 6500 K;
dim off: it keeps its brightness at night</source>
        <translation>teinter l’écran ID (son id ou son connecteur,
tels que displays les liste) ou le laisser tel
quel ; strength : 0 à 100 % du décalage depuis
6500 K ; dim off : il garde sa luminosité la nuit</translation>
    </message>
    <message>
        <source>display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off</source>
        <translation>display attend ID on, ID off, ID strength 0 à 100, ou ID dim on|off</translation>
    </message>
    <message>
        <source>no display of its own here: this desktop takes one color for all</source>
        <translation>pas d’écran à part ici : ce bureau prend une seule couleur pour tous</translation>
    </message>
    <message>
        <source>each display: its id, connector, name, and
whether it is tinted and how strongly</source>
        <translation>chaque écran : son id, son connecteur, son nom,
et s’il est teinté et avec quelle intensité</translation>
    </message>
    <message>
        <source>displays takes no arguments</source>
        <translation>displays ne prend aucun argument</translation>
    </message>
    <message>
        <source>this text, or one command&apos;s</source>
        <translation>ce texte, ou celui d’une commande</translation>
    </message>
    <message>
        <source>help takes the name of one command</source>
        <translation>help attend le nom d’une commande</translation>
    </message>
    <message>
        <source>the manual color, likewise</source>
        <translation>la couleur manuelle, de même</translation>
    </message>
    <message>
        <source>kelvin takes a whole number of Kelvin, such as 3400</source>
        <translation>kelvin attend un nombre entier de kelvins, par exemple 3400</translation>
    </message>
    <message>
        <source>its manual color is now %1 K</source>
        <translation>sa couleur manuelle est maintenant %1 K</translation>
    </message>
    <message>
        <source>where the sun is followed from, in degrees
(north and east positive); auto: from the
location service, else the time zone</source>
        <translation>d’où suivre le soleil, en degrés (nord et
est positifs) ; auto : par le service de
localisation, sinon le fuseau horaire</translation>
    </message>
    <message>
        <source>location takes a latitude (-90 to 90) and a longitude (-180 to 180) in degrees, such as 59.91 10.75, or auto</source>
        <translation>location attend une latitude (-90 à 90) et une longitude (-180 à 180) en degrés, par exemple 59.91 10.75, ou auto</translation>
    </message>
    <message>
        <source>its location is now %1, %2</source>
        <translation>sa position est maintenant %1, %2</translation>
    </message>
    <message>
        <source>it will find its location</source>
        <translation>il trouvera sa position lui-même</translation>
    </message>
    <message>
        <source>the mode (saved for the next start when
TorvelBar is not running)</source>
        <translation>le mode (enregistré pour le prochain démarrage
si TorvelBar ne tourne pas)</translation>
    </message>
    <message>
        <source>mode takes one of auto (or schedule), manual, off</source>
        <translation>mode attend auto (ou schedule), manual ou off</translation>
    </message>
    <message>
        <source>it will start in the %1 mode</source>
        <translation>il démarrera en mode %1</translation>
    </message>
    <message>
        <source>the night color, likewise</source>
        <translation>la couleur de nuit, de même</translation>
    </message>
    <message>
        <source>30s, 30m, 2h, 1h30m (a bare number is minutes);
none: until the wake time</source>
        <translation>30s, 30m, 2h, 1h30m (un nombre seul compte
en minutes) ; sans : jusqu’au réveil</translation>
    </message>
    <message>
        <source>pause takes at most one duration</source>
        <translation>pause prend au plus une durée</translation>
    </message>
    <message>
        <source>cannot read the duration &quot;%1&quot; (such as 30s, 30m, 2h, 1h30m)</source>
        <translation>durée « %1 » illisible (par exemple 30s, 30m, 2h, 1h30m)</translation>
    </message>
    <message>
        <source>a pause lasts at most 24h, not %1</source>
        <translation>une pause dure au plus 24h, pas %1</translation>
    </message>
    <message>
        <source>step aside while APP&apos;s window is in front
(its WM_CLASS on X11, its app_id on Wayland),
likewise for any fullscreen window; list: the
apps, and whether fullscreen counts</source>
        <translation>s’effacer tant que la fenêtre d’APP est devant
(son WM_CLASS sous X11, son app_id sous
Wayland), de même pour toute fenêtre en plein
écran ; list : les applis, et si le plein écran compte</translation>
    </message>
    <message>
        <source>an app id is one line of 1 to 255 bytes</source>
        <translation>un id d’appli est une ligne de 1 à 255 octets</translation>
    </message>
    <message>
        <source>pause-for takes add APP, remove APP, list, or fullscreen on|off</source>
        <translation>pause-for attend add APP, remove APP, list ou fullscreen on|off</translation>
    </message>
    <message>
        <source>it will step aside for fullscreen windows</source>
        <translation>il s’effacera pour les fenêtres en plein écran</translation>
    </message>
    <message>
        <source>fullscreen windows will not step it aside</source>
        <translation>les fenêtres en plein écran ne l’effaceront pas</translation>
    </message>
    <message>
        <source>it will step aside for: %1</source>
        <translation>il s’effacera pour : %1</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>aucune appli</translation>
    </message>
    <message>
        <source>end a pause</source>
        <translation>mettre fin à une pause</translation>
    </message>
    <message>
        <source>resume takes no arguments</source>
        <translation>resume ne prend aucun argument</translation>
    </message>
    <message>
        <source>%1 takes a time of day as HH:MM, such as 22:30</source>
        <translation>%1 attend une heure au format HH:MM, par exemple 22:30</translation>
    </message>
    <message>
        <source>wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m</source>
        <translation>wind-down attend des minutes entières de 0 à 12h, par exemple 3h ou 1h30m</translation>
    </message>
    <message>
        <source>%1 takes a whole number of Kelvin, such as 2700</source>
        <translation>%1 attend un nombre entier de kelvins, par exemple 2700</translation>
    </message>
    <message>
        <source>its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by day and %5 K by night</source>
        <translation>son programme est maintenant : coucher %1, réveil %2, transition de %3, %4 K le jour et %5 K la nuit</translation>
    </message>
    <message>
        <source>bedtime and wake as set, or each day&apos;s dusk and
sunrise (likewise saved when not running)</source>
        <translation>coucher et réveil tels que réglés, ou le
crépuscule et le lever du soleil de chaque jour
(de même enregistré s’il ne tourne pas)</translation>
    </message>
    <message>
        <source>source takes clock or sun</source>
        <translation>source attend clock ou sun</translation>
    </message>
    <message>
        <source>its schedule will follow %1</source>
        <translation>son programme suivra %1</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>le soleil</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>l’horloge</translation>
    </message>
    <message>
        <source>the status line and the color; --json prints
one object a line (with waybar&apos;s text, tooltip,
class and alt); --follow prints a line at every
change</source>
        <translation>la ligne d’état et la couleur ; --json écrit
un objet par ligne (avec text, tooltip, class et
alt de waybar) ; --follow écrit une ligne à
chaque changement</translation>
    </message>
    <message>
        <source>status takes --json and --follow, not %1</source>
        <translation>status accepte --json et --follow, pas %1</translation>
    </message>
    <message>
        <source>off if tinting, else back to the mode before</source>
        <translation>arrêt si la teinte est active, sinon retour au mode précédent</translation>
    </message>
    <message>
        <source>toggle takes no arguments</source>
        <translation>toggle ne prend aucun argument</translation>
    </message>
    <message>
        <source>the day color holds from then, likewise</source>
        <translation>la couleur de jour s’applique dès lors, de même</translation>
    </message>
    <message>
        <source>the ramp to bedtime, 0 to 12h (such as 2h30m)</source>
        <translation>la transition vers le coucher, de 0 à 12h (par ex. 2h30m)</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and with neither HOME nor XDG_CONFIG_HOME set there is nowhere to save it</source>
        <translation>torvelbar : TorvelBar ne tourne pas, et sans HOME ni XDG_CONFIG_HOME il n’y a nulle part où l’enregistrer</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running, and nothing was saved: %1</source>
        <translation>torvelbar : TorvelBar ne tourne pas, et rien n’a été enregistré : %1</translation>
    </message>
    <message>
        <source>TorvelBar is not running; %1</source>
        <translation>TorvelBar ne tourne pas ; %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>TorvelBar is not running</source>
        <translation>TorvelBar ne tourne pas</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar did not answer</source>
        <translation>torvelbar : TorvelBar n’a pas répondu</translation>
    </message>
    <message>
        <source>torvelbar: TorvelBar is not running</source>
        <translation>torvelbar : TorvelBar ne tourne pas</translation>
    </message>
    <message>
        <source>torvelbar: the session bus cannot be reached (%1), so TorvelBar cannot be asked</source>
        <translation>torvelbar : le bus de session est injoignable (%1), TorvelBar ne peut donc pas être interrogé</translation>
    </message>
    <message>
        <source>unknown schedule source &quot;%1&quot; (clock or sun)</source>
        <translation>source de programme inconnue « %1 » (clock ou sun)</translation>
    </message>
    <message>
        <source>%1 KiB of arguments is more than TorvelBar takes (%2 KiB)</source>
        <translation>%1 Kio d’arguments, c’est plus que ce que TorvelBar accepte (%2 Kio)</translation>
    </message>
    <message>
        <source>the change is in effect but not saved: %1</source>
        <translation>le changement est appliqué mais pas enregistré : %1</translation>
    </message>
    <message>
        <source>TorvelBar is stopping</source>
        <translation>TorvelBar s’arrête</translation>
    </message>
    <message>
        <source>unknown mode &quot;%1&quot; (auto, manual or off)</source>
        <translation>mode inconnu « %1 » (auto, manual ou off)</translation>
    </message>
    <message>
        <source>unknown schedule field &quot;%1&quot; (bedtime, wake, windDown, dayKelvin or nightKelvin)</source>
        <translation>champ de programme inconnu « %1 » (bedtime, wake, windDown, dayKelvin ou nightKelvin)</translation>
    </message>
    <message>
        <source>the tint is off: there is nothing to pause</source>
        <translation>la teinte est désactivée : il n’y a rien à mettre en pause</translation>
    </message>
    <message>
        <source>a pause lasts at most 24 hours (%1 s), not %2 s</source>
        <translation>une pause dure au plus 24 heures (%1 s), pas %2 s</translation>
    </message>
    <message>
        <source>one caller may hold at most %1 inhibitions</source>
        <translation>un appelant peut tenir au plus %1 inhibitions</translation>
    </message>
    <message>
        <source>at most %1 inhibitions may be held at once</source>
        <translation>au plus %1 inhibitions peuvent être tenues à la fois</translation>
    </message>
    <message>
        <source>no inhibition of this caller holds the cookie %1</source>
        <translation>aucune inhibition de cet appelant n’a le cookie %1</translation>
    </message>
    <message>
        <source>no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>aucun écran à teinter (ni WAYLAND_DISPLAY ni DISPLAY n’est défini)</translation>
    </message>
    <message>
        <source>the %1 host&apos;s module cannot be loaded: %2</source>
        <translation>le module de l’hôte %1 ne peut pas être chargé : %2</translation>
    </message>
    <message>
        <source>%1 is not a TorvelBar host module</source>
        <translation>%1 n’est pas un module d’hôte de TorvelBar</translation>
    </message>
    <message>
        <source>%1 is of release %2, not %3</source>
        <translation>%1 est de la version %2, pas %3</translation>
    </message>
    <message>
        <source>no private runtime folder (%1), so nothing would stop a second copy or undo a crash&apos;s tint; not starting</source>
        <translation>pas de dossier d’exécution privé (%1) : rien n’empêcherait une deuxième copie ni n’annulerait la teinte après un plantage ; pas de démarrage</translation>
    </message>
    <message>
        <source>cannot take the lock %1; not starting</source>
        <translation>impossible de prendre le verrou %1 ; pas de démarrage</translation>
    </message>
    <message>
        <source>Night Light takes our color again</source>
        <translation>L’éclairage nocturne reprend notre couleur</translation>
    </message>
    <message>
        <source>Night Light&apos;s settings are locked by the administrator (%1)</source>
        <translation>les réglages de l’éclairage nocturne sont verrouillés par l’administrateur (%1)</translation>
    </message>
    <message>
        <source>GNOME&apos;s Night Light settings schema is not installed</source>
        <translation>le schéma de réglages de l’éclairage nocturne de GNOME n’est pas installé</translation>
    </message>
    <message>
        <source>GNOME until tomorrow</source>
        <translation>GNOME jusqu’à demain</translation>
    </message>
    <message>
        <source>kwinrc is a link to nothing</source>
        <translation>kwinrc est un lien vers rien</translation>
    </message>
    <message>
        <source>kwinrc is not a regular file</source>
        <translation>kwinrc n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>kwinrc is larger than 16 MiB</source>
        <translation>kwinrc dépasse 16 Mio</translation>
    </message>
    <message>
        <source>kwinrc cannot be read</source>
        <translation>kwinrc ne peut pas être lu</translation>
    </message>
    <message>
        <source>kwinrc cannot be written (%1)</source>
        <translation>kwinrc ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>kwinrc takes our color again</source>
        <translation>kwinrc reprend notre couleur</translation>
    </message>
    <message>
        <source>KWin&apos;s Night Color does not answer on the session bus</source>
        <translation>la couleur de nuit de KWin ne répond pas sur le bus de session</translation>
    </message>
    <message>
        <source>KWin for another program</source>
        <translation>KWin pour un autre programme</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>logind refused: %1</source>
        <translation>logind a refusé : %1</translation>
    </message>
    <message>
        <source>no private runtime folder (%1)</source>
        <translation>pas de dossier d’exécution privé (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 n’est pas un dossier privé de cet utilisateur</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset</source>
        <translation>XDG_RUNTIME_DIR, XDG_CACHE_HOME et HOME ne sont pas définis</translation>
    </message>
    <message>
        <source>the compositor takes our color again</source>
        <translation>le compositeur reprend notre couleur</translation>
    </message>
    <message>
        <source>the connection to the Wayland compositor broke</source>
        <translation>la connexion au compositeur Wayland a été rompue</translation>
    </message>
    <message>
        <source>the compositor no longer offers gamma control</source>
        <translation>le compositeur n’offre plus le contrôle du gamma</translation>
    </message>
    <message>
        <source>the compositor refused gamma control of every screen (another program may hold it)</source>
        <translation>le compositeur refuse le contrôle du gamma de chaque écran (un autre programme le tient peut-être)</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland compositor %1</source>
        <translation>impossible de se connecter au compositeur Wayland %1</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 closed the connection</source>
        <translation>le compositeur Wayland %1 a fermé la connexion</translation>
    </message>
    <message>
        <source>this compositor offers no gamma control to applications</source>
        <translation>ce compositeur n’offre aucun contrôle du gamma aux applications</translation>
    </message>
    <message>
        <source>this Wayland compositor offers no gamma control to applications, nor a night light that TorvelBar can drive; its own night-light setting does this job</source>
        <translation>ce compositeur Wayland n’offre ni contrôle du gamma aux applications, ni éclairage nocturne que TorvelBar puisse piloter ; son propre réglage d’éclairage nocturne fait ce travail</translation>
    </message>
    <message>
        <source>the X server takes our color again</source>
        <translation>le serveur X reprend notre couleur</translation>
    </message>
    <message>
        <source>the connection to the X server %1 broke</source>
        <translation>la connexion au serveur X %1 a été rompue</translation>
    </message>
    <message>
        <source>no screen of the X server %1 takes a gamma ramp</source>
        <translation>aucun écran du serveur X %1 n’accepte de rampe gamma</translation>
    </message>
    <message>
        <source>cannot connect to the X server %1</source>
        <translation>impossible de se connecter au serveur X %1</translation>
    </message>
    <message>
        <source>the X server %1 has no RandR extension</source>
        <translation>le serveur X %1 n’a pas l’extension RandR</translation>
    </message>
    <message>
        <source>the X server %1 has RandR older than 1.2</source>
        <translation>le serveur X %1 a un RandR antérieur à 1.2</translation>
    </message>
    <message>
        <source>the X server %1 is a Wayland compositor&apos;s Xwayland, whose colors reach no screen; start torvelbar with WAYLAND_DISPLAY set</source>
        <translation>le serveur X %1 est le Xwayland d’un compositeur Wayland, dont les couleurs n’atteignent aucun écran ; lancez torvelbar avec WAYLAND_DISPLAY défini</translation>
    </message>
    <message>
        <source>neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>ni HOME ni XDG_CONFIG_HOME n’est défini</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>a display is named by its id or connector, one line of 1 to 255 characters</source>
        <translation>un écran se désigne par son id ou son connecteur, une ligne de 1 à 255 caractères</translation>
    </message>
    <message>
        <source>a display&apos;s strength is 0 to 100, not %1</source>
        <translation>l’intensité d’un écran va de 0 à 100, pas %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, so it is not a settings file of ours</source>
        <translation>dépasse 1 Mio, ce n’est donc pas un de nos fichiers de réglages</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is a link to a file that is not yours</source>
        <translation>est un lien vers un fichier qui n’est pas à vous</translation>
    </message>
    <message>
        <source>is a link to something that is not a file</source>
        <translation>est un lien vers quelque chose qui n’est pas un fichier</translation>
    </message>
    <message>
        <source>the settings file %1 %2; changes are kept for this run only</source>
        <translation>le fichier de réglages %1 %2 ; les changements ne valent que pour cette session</translation>
    </message>
    <message>
        <source>no settings folder: neither HOME nor XDG_CONFIG_HOME is set</source>
        <translation>pas de dossier de réglages : ni HOME ni XDG_CONFIG_HOME n’est défini</translation>
    </message>
    <message>
        <source>the settings file %1 %2</source>
        <translation>le fichier de réglages %1 %2</translation>
    </message>
    <message>
        <source>another program holds the lock on the settings folder %1</source>
        <translation>un autre programme tient le verrou du dossier de réglages %1</translation>
    </message>
    <message>
        <source>%1; the change is kept and saved when it lets go</source>
        <translation>%1 ; le changement est gardé et enregistré dès qu’il le libère</translation>
    </message>
    <message>
        <source>%1; nothing was saved</source>
        <translation>%1 ; rien n’a été enregistré</translation>
    </message>
    <message>
        <source>the settings could not be saved: %1</source>
        <translation>les réglages n’ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>%1; the change is kept for this run</source>
        <translation>%1 ; le changement est gardé pour cette session</translation>
    </message>
    <message>
        <source>could not be read again</source>
        <translation>n’a pas pu être relu</translation>
    </message>
    <message>
        <source>the settings could not be saved in %1 (%2)</source>
        <translation>les réglages n’ont pas pu être enregistrés dans %1 (%2)</translation>
    </message>
    <message>
        <source>is a latitude of -90 to 90 and a longitude of -180 to 180 degrees, not %1, %2</source>
        <translation>est une latitude de -90 à 90 et une longitude de -180 à 180 degrés, pas %1, %2</translation>
    </message>
    <message>
        <source>takes %1 to %2 %, not %3</source>
        <translation>prend de %1 à %2 %, pas %3</translation>
    </message>
    <message>
        <source>takes a bedtime and a wake time of 00:00 to 23:59, not %1 and %2 minutes after midnight</source>
        <translation>prend un coucher et un réveil de 00:00 à 23:59, pas %1 et %2 minutes après minuit</translation>
    </message>
    <message numerus="yes">
        <source>takes a wind-down of 0 to 12 hours, not %1 minutes</source>
        <translation>
            <numerusform>prend une transition de 0 à 12 heures, pas %1 minute</numerusform>
            <numerusform>prend une transition de 0 à 12 heures, pas %1 minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>takes day and night colors of %1 to %2 K, not %3 and %4 K</source>
        <translation>prend des couleurs de jour et de nuit de %1 à %2 K, pas %3 et %4 K</translation>
    </message>
    <message>
        <source>the schedule</source>
        <translation>le programme</translation>
    </message>
    <message>
        <source>takes %1 to %2 K, not %3</source>
        <translation>prend de %1 à %2 K, pas %3</translation>
    </message>
    <message>
        <source>the manual color</source>
        <translation>la couleur manuelle</translation>
    </message>
    <message>
        <source>the night brightness</source>
        <translation>la luminosité de nuit</translation>
    </message>
    <message>
        <source>the manual brightness</source>
        <translation>la luminosité manuelle</translation>
    </message>
    <message>
        <source>a location</source>
        <translation>une position</translation>
    </message>
    <message>
        <source>at most %1 app ids, not %2</source>
        <translation>au plus %1 id d’applis, pas %2</translation>
    </message>
    <message>
        <source>at most %1 displays, not %2</source>
        <translation>au plus %1 écrans, pas %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a setting, then what it takes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Usage :
</translation>
    </message>
    <message>
        <source>%1 is a folder that is not empty, in the way of every save</source>
        <translation>%1 est un dossier non vide qui empêche tout enregistrement</translation>
    </message>
</context>
</TS>
