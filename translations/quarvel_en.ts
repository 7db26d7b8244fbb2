<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Quarvel</name>
    <message>
        <source> Capteur </source>
        <translation> Sensor </translation>
    </message>
    <message>
        <source> Données </source>
        <translation> Results </translation>
    </message>
    <message>
        <source> Filtre </source>
        <translation> Filter </translation>
    </message>
    <message>
        <source> Instrument </source>
        <translation> Instrument </translation>
    </message>
    <message>
        <source> Nombre de pixels </source>
        <translation> Pixel count </translation>
    </message>
    <message>
        <source> Objets </source>
        <translation> Objects </translation>
    </message>
    <message>
        <source> Planète </source>
        <translation> Planet </translation>
    </message>
    <message>
        <source> Sauver la configuration </source>
        <translation> Save the configuration </translation>
    </message>
    <message>
        <source> Taille des pixels (en µ) </source>
        <translation> Pixel size (in µ) </translation>
    </message>
    <message>
        <source>&quot; / pixel</source>
        <translation>&quot; / pixel</translation>
    </message>
    <message>
        <source>&quot;/pixel</source>
        <translation>&quot;/pixel</translation>
    </message>
    <message>
        <source>%1, colonne &quot;%2&quot; absente</source>
        <translation>%1, column &quot;%2&quot; missing</translation>
    </message>
    <message>
        <source>%1, fichier illisible</source>
        <translation>%1, unreadable file</translation>
    </message>
    <message>
        <source>%1, ligne %2, [%3] : %4</source>
        <translation>%1, line %2, [%3]: %4</translation>
    </message>
    <message>
        <source>%1, ligne(s) %2</source>
        <translation>%1, line(s) %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante correcte</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>(Aucun)</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>(Configuration personnelle)</source>
        <translation>(Personal configuration)</translation>
    </message>
    <message>
        <source>(Double-cliquer sur l&apos;adresse email pour envoyer un message)</source>
        <translation>(Double-click the address to send a message)</translation>
    </message>
    <message>
        <source>... x ... mm</source>
        <translation>... x ... mm</translation>
    </message>
    <message>
        <source>0.33 x</source>
        <translation>0.33 x</translation>
    </message>
    <message>
        <source>0.5 x</source>
        <translation>0.5 x</translation>
    </message>
    <message>
        <source>0.73 x</source>
        <translation>0.73 x</translation>
    </message>
    <message>
        <source>0.8 x</source>
        <translation>0.8 x</translation>
    </message>
    <message>
        <source>1.6 x</source>
        <translation>1.6 x</translation>
    </message>
    <message>
        <source>1024 x 768</source>
        <translation>1024 x 768</translation>
    </message>
    <message>
        <source>2 x</source>
        <translation>2 x</translation>
    </message>
    <message>
        <source>2.5 x</source>
        <translation>2.5 x</translation>
    </message>
    <message>
        <source>2.7 x</source>
        <translation>2.7 x</translation>
    </message>
    <message>
        <source>24 mm</source>
        <translation>24 mm</translation>
    </message>
    <message>
        <source>24 x 36 mm</source>
        <translation>24 x 36 mm</translation>
    </message>
    <message>
        <source>3 x</source>
        <translation>3 x</translation>
    </message>
    <message>
        <source>320 x 240</source>
        <translation>320 x 240</translation>
    </message>
    <message>
        <source>36 mm</source>
        <translation>36 mm</translation>
    </message>
    <message>
        <source>4 x</source>
        <translation>4 x</translation>
    </message>
    <message>
        <source>400 x 400</source>
        <translation>400 x 400</translation>
    </message>
    <message>
        <source>5 x</source>
        <translation>5 x</translation>
    </message>
    <message>
        <source>640 x 480</source>
        <translation>640 x 480</translation>
    </message>
    <message>
        <source>800 x 600</source>
        <translation>800 x 600</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Accéder aux onglets du programme</source>
        <translation>Open the program&apos;s tabs</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ajouter le capteur actuel comme appareil photo personnel</source>
        <translation>Add the current sensor as your own digital camera</translation>
    </message>
    <message>
        <source>Ajouter le capteur actuel comme caméra personnelle</source>
        <translation>Add the current sensor as your own camera</translation>
    </message>
    <message>
        <source>Ajouter le diamètre et la focale actuels comme télescope personnel</source>
        <translation>Add the current aperture and focal length as your own telescope</translation>
    </message>
    <message>
        <source>Ajouter…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Appareils photos numériques</source>
        <translation>Digital cameras</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Aujourd&apos;hui</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Bleu (445 nm)</source>
        <translation>Blue (445 nm)</translation>
    </message>
    <message>
        <source>Calculs</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>Caméras</source>
        <translation>Cameras</translation>
    </message>
    <message>
        <source>Capteur</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Champ :</source>
        <translation>Field:</translation>
    </message>
    <message>
        <source>Champ photo</source>
        <translation>Photo field</translation>
    </message>
    <message>
        <source>Changer date</source>
        <translation>Change date</translation>
    </message>
    <message>
        <source>Changer la date ; un clic droit prend la date du jour</source>
        <translation>Change the date; a right click takes today&apos;s date</translation>
    </message>
    <message>
        <source>Charge config</source>
        <translation>Load config</translation>
    </message>
    <message>
        <source>Choisir un appareil photo numérique dans la liste</source>
        <translation>Choose a digital camera from the list</translation>
    </message>
    <message>
        <source>Choisir un télescope et un réducteur ou multiplicateur de focale</source>
        <translation>Choose a telescope and a focal reducer or Barlow lens</translation>
    </message>
    <message>
        <source>Choisir une caméra dans la liste de caméras</source>
        <translation>Choose a camera from the list of cameras</translation>
    </message>
    <message>
        <source>Ciel profond</source>
        <translation>Deep sky</translation>
    </message>
    <message>
        <source>Clic droit pour choisir une autre photographie</source>
        <translation>Right click to choose another photograph</translation>
    </message>
    <message>
        <source>Cliquer pour passer des secondes aux minutes d&apos;arc (Soleil et Lune)</source>
        <translation>Click to switch between arc-seconds and arc-minutes (Sun and Moon)</translation>
    </message>
    <message>
        <source>Coef. multiplicateur</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Coef. multiplicateur à appliquer</source>
        <translation>Multiplier to apply</translation>
    </message>
    <message>
        <source>Dessin capteur</source>
        <translation>Sensor drawing</translation>
    </message>
    <message>
        <source>Dessin planète</source>
        <translation>Planet drawing</translation>
    </message>
    <message>
        <source>Diagonale</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Diam. app. des anneaux</source>
        <translation>Rings&apos; app. diam.</translation>
    </message>
    <message>
        <source>Diamètre</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>Diamètre Apparent</source>
        <translation>Apparent diameter</translation>
    </message>
    <message>
        <source>Diamètre sur le capteur</source>
        <translation>Diameter on the sensor</translation>
    </message>
    <message>
        <source>Division par zéro en virgule flottante</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Données sauvegardées</source>
        <translation>Saved data</translation>
    </message>
    <message>
        <source>Double-cliquer pour envoyer un mail</source>
        <translation>Double-click to send a mail</translation>
    </message>
    <message>
        <source>Débordement d&apos;entier</source>
        <translation>Integer overflow</translation>
    </message>
    <message>
        <source>Echantillonnage</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>Echantillonnage actuel</source>
        <translation>Current sampling</translation>
    </message>
    <message>
        <source>Echantillonnage maxi</source>
        <translation>Finest sampling</translation>
    </message>
    <message>
        <source>Echantillonnage souhaité</source>
        <translation>Wanted sampling</translation>
    </message>
    <message>
        <source>Effacer champs</source>
        <translation>Clear fields</translation>
    </message>
    <message>
        <source>Effacer les champs de la page affichée</source>
        <translation>Clear the fields of the page shown</translation>
    </message>
    <message>
        <source>Erreur de vérification d&apos;étendue</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>Erreur inattendue : %1</source>
        <translation>Unexpected error: %1</translation>
    </message>
    <message>
        <source>Facteur :</source>
        <translation>Factor:</translation>
    </message>
    <message>
        <source>Facteur de suréchantillonnage</source>
        <translation>Oversampling factor</translation>
    </message>
    <message>
        <source>Fermer sans rien changer</source>
        <translation>Close without changing anything</translation>
    </message>
    <message>
        <source>Fichier de plus de 1 Mo : valeurs par défaut utilisées</source>
        <translation>File larger than 1 MB: default values used</translation>
    </message>
    <message>
        <source>Focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Focale (mm) :</source>
        <translation>Focal length (mm):</translation>
    </message>
    <message>
        <source>Focale actuelle</source>
        <translation>Current focal length</translation>
    </message>
    <message>
        <source>Focale maxi</source>
        <translation>Focal length for it</translation>
    </message>
    <message>
        <source>Focale à appliquer</source>
        <translation>Focal length to use</translation>
    </message>
    <message>
        <source>Full frame</source>
        <translation>Full frame</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>IR (850 nm)</source>
        <translation>IR (850 nm)</translation>
    </message>
    <message>
        <source>IR 1000 (1000 nm)</source>
        <translation>IR 1000 (1000 nm)</translation>
    </message>
    <message>
        <source>IR 685 (685 nm)</source>
        <translation>IR 685 (685 nm)</translation>
    </message>
    <message>
        <source>IR 742 (742 nm)</source>
        <translation>IR 742 (742 nm)</translation>
    </message>
    <message>
        <source>IR 807 (807 nm)</source>
        <translation>IR 807 (807 nm)</translation>
    </message>
    <message>
        <source>Image bitmap incorrecte</source>
        <translation>Invalid bitmap image</translation>
    </message>
    <message>
        <source>Imagerie</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Imageur :</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire dans %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Indice de liste hors limites (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>Jaune (570 nm)</source>
        <translation>Yellow (570 nm)</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Lancer le programme</source>
        <translation>Start the program</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul</source>
        <translation>The saved sensor is incomplete: a pixel count or size is empty or zero</translation>
    </message>
    <message>
        <source>Le projet Quarvel</source>
        <translation>The Quarvel project</translation>
    </message>
    <message>
        <source>Liste appareils photos numériques</source>
        <translation>Digital camera list</translation>
    </message>
    <message>
        <source>Liste caméras</source>
        <translation>Camera list</translation>
    </message>
    <message>
        <source>Liste d&apos;appareils photos numériques</source>
        <translation>List of digital cameras</translation>
    </message>
    <message>
        <source>Liste de caméras</source>
        <translation>List of cameras</translation>
    </message>
    <message>
        <source>Lune</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>M 31 (5°)</source>
        <translation>M 31 (5°)</translation>
    </message>
    <message>
        <source>M13 (1°)</source>
        <translation>M13 (1°)</translation>
    </message>
    <message>
        <source>M27 (15&apos;)</source>
        <translation>M27 (15&apos;)</translation>
    </message>
    <message>
        <source>M31 (5°)</source>
        <translation>M31 (5°)</translation>
    </message>
    <message>
        <source>M42 (2°)</source>
        <translation>M42 (2°)</translation>
    </message>
    <message>
        <source>M45 (2°30&apos;)</source>
        <translation>M45 (2°30&apos;)</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>NGC7331 (30&apos;)</source>
        <translation>NGC7331 (30&apos;)</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nouvel équipement</source>
        <translation>New equipment</translation>
    </message>
    <message>
        <source>Nouvelle date</source>
        <translation>New date</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Objet 1</source>
        <translation>Object 1</translation>
    </message>
    <message>
        <source>Objet 2</source>
        <translation>Object 2</translation>
    </message>
    <message>
        <source>Opération en virgule flottante incorrecte</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Orange (600 nm)</source>
        <translation>Orange (600 nm)</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Paramètrage</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Pixel carré</source>
        <translation>Square pixels</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Pixels /</source>
        <translation>Pixels /</translation>
    </message>
    <message>
        <source>Planétaire</source>
        <translation>Planetary</translation>
    </message>
    <message>
        <source>Pléiades</source>
        <translation>Pleiades</translation>
    </message>
    <message>
        <source>Pour un échantillonnage = 1/2 pouvoir séparateur théorique </source>
        <translation>For a sampling of half the theoretical separating power </translation>
    </message>
    <message>
        <source>Pouvoir Résolvant</source>
        <translation>Resolving power</translation>
    </message>
    <message>
        <source>Pouvoir Séparateur</source>
        <translation>Separating power</translation>
    </message>
    <message>
        <source>Quarvel</source>
        <translation>Quarvel</translation>
    </message>
    <message>
        <source>Quarvel est un logiciel libre : vous pouvez le copier et le distribuer librement. Il est fourni tel quel, sans aucune garantie.

Vos remarques et suggestions sont les bienvenues à l&apos;adresse ci-dessous.</source>
        <translation>Quarvel is free software: you may copy and distribute it freely. It comes as it is, without any warranty.

Your remarks and suggestions are welcome at the address below.</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Rapport f/D</source>
        <translation>Focal ratio</translation>
    </message>
    <message>
        <source>Relire la configuration sauvegardée</source>
        <translation>Reload the saved configuration</translation>
    </message>
    <message>
        <source>Rouge (700 nm)</source>
        <translation>Red (700 nm)</translation>
    </message>
    <message>
        <source>Réducteur / Multiplicateur de focale</source>
        <translation>Focal reducer / Barlow lens</translation>
    </message>
    <message>
        <source>Réelle</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Saisie manuelle</source>
        <translation>Manual entry</translation>
    </message>
    <message>
        <source>Saisie séparation</source>
        <translation>Separation entry</translation>
    </message>
    <message>
        <source>Saisir les coordonnées X et Y relevées sur l&apos;image</source>
        <translation>Type the X and Y coordinates measured on the image</translation>
    </message>
    <message>
        <source>Saturne</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Sauve config</source>
        <translation>Save config</translation>
    </message>
    <message>
        <source>Secondes d&apos;arc</source>
        <translation>Arc-seconds</translation>
    </message>
    <message>
        <source>Soleil</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Supprimer %1 de vos équipements ?</source>
        <translation>Remove %1 from your equipment?</translation>
    </message>
    <message>
        <source>Supprimer un télescope personnel (marqué ★)</source>
        <translation>Remove one of your own telescopes (marked ★)</translation>
    </message>
    <message>
        <source>Supprimer un équipement personnel (marqué ★)</source>
        <translation>Remove one of your own items (marked ★)</translation>
    </message>
    <message>
        <source>Séparation :</source>
        <translation>Separation:</translation>
    </message>
    <message>
        <source>Taille du capteur (en mm)</source>
        <translation>Sensor size (in mm)</translation>
    </message>
    <message>
        <source>Telescopes</source>
        <translation>Telescopes</translation>
    </message>
    <message>
        <source>Temps de pose limite</source>
        <translation>Exposure limit</translation>
    </message>
    <message>
        <source>Théorique</source>
        <translation>Theoretical</translation>
    </message>
    <message>
        <source>Tolérance de bougé</source>
        <translation>Blur tolerance</translation>
    </message>
    <message>
        <source>Turbulence faible</source>
        <translation>Low turbulence</translation>
    </message>
    <message>
        <source>Turbulence normale</source>
        <translation>Normal turbulence</translation>
    </message>
    <message>
        <source>Type d&apos;imagerie</source>
        <translation>Kind of imaging</translation>
    </message>
    <message>
        <source>Télescopes</source>
        <translation>Telescopes</translation>
    </message>
    <message>
        <source>UV (350 nm)</source>
        <translation>UV (350 nm)</translation>
    </message>
    <message>
        <source>Valeur calculée pour le</source>
        <translation>Value computed for</translation>
    </message>
    <message>
        <source>Valeur manuelle</source>
        <translation>Manual value</translation>
    </message>
    <message>
        <source>Valeur à diviser par le nombre de filtres utilisés pour l&apos;imagerie RVB ou LRVB</source>
        <translation>Value to divide by the number of filters used for RGB or LRGB imaging</translation>
    </message>
    <message>
        <source>Valider et fermer</source>
        <translation>Confirm and close</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Vert (535 nm)</source>
        <translation>Green (535 nm)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>capteur &quot;%1&quot; inconnu</source>
        <translation>unknown sensor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>exception inconnue</source>
        <translation>unknown exception</translation>
    </message>
    <message>
        <source>f/d actuel</source>
        <translation>Current f/d</translation>
    </message>
    <message>
        <source>f/d optimal</source>
        <translation>Optimal f/d</translation>
    </message>
    <message>
        <source>l&apos;appareil photo « %1 »</source>
        <translation>the digital camera “%1”</translation>
    </message>
    <message>
        <source>la caméra « %1 »</source>
        <translation>the camera “%1”</translation>
    </message>
    <message>
        <source>le télescope « %1 »</source>
        <translation>the telescope “%1”</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>quarvel@example.org</source>
        <translation>quarvel@example.org</translation>
    </message>
    <message>
        <source>secondes</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>valeurs %1 absentes ou incorrectes</source>
        <translation>values %1 missing or invalid</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>« %1 » : capteur incomplet</source>
        <translation>“%1”: incomplete sensor</translation>
    </message>
    <message>
        <source>« %1 » : diamètre ou focale manquant</source>
        <translation>“%1”: aperture or focal length missing</translation>
    </message>
    <message>
        <source>« %1 » : nom déjà dans les listes</source>
        <translation>“%1”: name already in the lists</translation>
    </message>
    <message>
        <source>« %1 » : nom incorrect</source>
        <translation>“%1”: invalid name</translation>
    </message>
    <message>
        <source>Équipement ignoré : %1</source>
        <translation>Equipment skipped: %1</translation>
    </message>
    <message>
        <source>nom déjà dans les listes</source>
        <translation>name already in the lists</translation>
    </message>
    <message>
        <source>nom incorrect</source>
        <translation>invalid name</translation>
    </message>
    <message>
        <source>section inconnue</source>
        <translation>unknown section</translation>
    </message>
    <message>
        <source>Diamètre (mm) :</source>
        <translation>Diameter (mm):</translation>
    </message>
    <message>
        <source>Hauteur des pixels (µ) :</source>
        <translation>Pixel height (µm):</translation>
    </message>
    <message>
        <source>Inconnu</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Largeur des pixels (µ) :</source>
        <translation>Pixel width (µm):</translation>
    </message>
    <message>
        <source>Nombre de pixels en hauteur :</source>
        <translation>Pixels down:</translation>
    </message>
    <message>
        <source>Nombre de pixels en largeur :</source>
        <translation>Pixels across:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lu en entier et reste tel quel : déplacez-le pour en enregistrer un nouveau</source>
        <translation>%1 could not be read whole and is left as it is: move it elsewhere to save a new one</translation>
    </message>
    <message>
        <source>Fichier de plus de %1 Mo</source>
        <translation>File larger than %1 MB</translation>
    </message>
    <message>
        <source>n&apos;est pas un fichier ordinaire</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>… et %1 autres sections ignorées</source>
        <translation>… and %1 more sections skipped</translation>
    </message>
    <message>
        <source>Configuration enregistrée dans %1</source>
        <translation>Configuration saved in %1</translation>
    </message>
    <message>
        <source>Mode nuit</source>
        <translation>Night mode</translation>
    </message>
    <message>
        <source>Quitter le programme (Ctrl+Q)</source>
        <translation>Quit the program (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Rouge sur fond noir, pour garder la vision de nuit (Ctrl+N)</source>
        <translation>Red on black, to keep your night vision (Ctrl+N)</translation>
    </message>
    <message>
        <source>Sauvegarder l&apos;instrument et le capteur (Ctrl+S)</source>
        <translation>Save the instrument and the sensor (Ctrl+S)</translation>
    </message>
    <message>
        <source>%1 : %2 x %3 pixels de %4 µm</source>
        <translation>%1: %2 x %3 pixels of %4 µm</translation>
    </message>
    <message>
        <source>Diamètre %1 mm, focale %2 mm, f/%3</source>
        <translation>Aperture %1 mm, focal length %2 mm, f/%3</translation>
    </message>
    <message>
        <source>Filtre :</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Taper des mots du nom pour ne montrer que les modèles qui les contiennent</source>
        <translation>Type words of the name to show only the models that hold them</translation>
    </message>
    <message>
        <source>Taper des mots du nom pour ne montrer que les télescopes qui les contiennent</source>
        <translation>Type words of the name to show only the telescopes that hold them</translation>
    </message>
    <message>
        <source>%1&quot; par pixel en %2 ; bien échantillonné de FWHM/3 = %3&quot; à FWHM/2 = %4&quot; (FWHM %5&quot;). Capteur couleur : la matrice de Bayer échantillonne chaque couleur deux fois moins finement.</source>
        <translation>%1&quot; per pixel at %2; well sampled from FWHM/3 = %3&quot; to FWHM/2 = %4&quot; (FWHM %5&quot;). Colour sensor: the Bayer matrix samples each colour half as finely.</translation>
    </message>
    <message>
        <source>1x1</source>
        <translation>1x1</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2x2</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3x3</translation>
    </message>
    <message>
        <source>4x4</source>
        <translation>4x4</translation>
    </message>
    <message>
        <source>Binning</source>
        <translation>Binning</translation>
    </message>
    <message>
        <source>Echantillonnage avec binning</source>
        <translation>Sampling with binning</translation>
    </message>
    <message>
        <source>Turbulence (FWHM)</source>
        <translation>Seeing (FWHM)</translation>
    </message>
    <message>
        <source>Turbulence du site : largeur à mi-hauteur des étoiles (FWHM), en secondes d&apos;arc</source>
        <translation>The site&apos;s seeing: the stars&apos; full width at half maximum (FWHM), in arc-seconds</translation>
    </message>
    <message>
        <source>bien échantillonné</source>
        <translation>well sampled</translation>
    </message>
    <message>
        <source>sous-échantillonné</source>
        <translation>undersampled</translation>
    </message>
    <message>
        <source>sur-échantillonné</source>
        <translation>oversampled</translation>
    </message>
    <message>
        <source>« %1 » : la turbulence (FWHM) doit être supérieure à 0 et d&apos;au plus 30 secondes d&apos;arc</source>
        <translation>“%1”: the seeing (FWHM) must be above 0 and at most 30 arc-seconds</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>0.00 x 0.00</source>
        <translation type="obsolete">800 x 0.00 {0.00 ?}</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Copier le dessin de la page, deux fois plus grand qu&apos;à l&apos;écran</source>
        <translation>Copy the page&apos;s drawing, twice as large as on the screen</translation>
    </message>
    <message>
        <source>Copier les résultats</source>
        <translation>Copy the results</translation>
    </message>
    <message>
        <source>Copier les résultats de la page, pour un tableur ou un message (Ctrl+Maj+C)</source>
        <translation>Copy the page&apos;s results, for a spreadsheet or a message (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Save the picture…</translation>
    </message>
    <message>
        <source>Enregistrer le dessin de la page en PNG, deux fois plus grand qu&apos;à l&apos;écran</source>
        <translation>Save the page&apos;s drawing as PNG, twice as large as on the screen</translation>
    </message>
    <message>
        <source>Enregistrer le montage…</source>
        <translation>Save the setup…</translation>
    </message>
    <message>
        <source>Garder le télescope, le réducteur, le filtre et le capteur actuels sous un nom</source>
        <translation>Keep the current telescope, reducer, filter and sensor under a name</translation>
    </message>
    <message>
        <source>Jupiter sur le capteur</source>
        <translation>Jupiter on the sensor</translation>
    </message>
    <message>
        <source>Lune sur le capteur</source>
        <translation>Moon on the sensor</translation>
    </message>
    <message>
        <source>Montage :</source>
        <translation>Setup:</translation>
    </message>
    <message>
        <source>Montage actuel</source>
        <translation>Current setup</translation>
    </message>
    <message>
        <source>Pose limite (Jupiter)</source>
        <translation>Exposure limit (Jupiter)</translation>
    </message>
    <message>
        <source>Résultats copiés, une ligne par valeur</source>
        <translation>Results copied, one line per value</translation>
    </message>
    <message>
        <source>Supprimer le montage choisi</source>
        <translation>Remove the setup chosen</translation>
    </message>
    <message>
        <source>Taille du capteur</source>
        <translation>Sensor size</translation>
    </message>
    <message>
        <source>Télescope</source>
        <translation>Telescope</translation>
    </message>
    <message>
        <source>Vos montages : en choisir un le montre sur cette page</source>
        <translation>Your setups: choosing one shows it on this page</translation>
    </message>
    <message>
        <source>le montage « %1 »</source>
        <translation>the setup “%1”</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Champ horizontal</source>
        <translation>Horizontal field</translation>
    </message>
    <message>
        <source>Champ vertical</source>
        <translation>Vertical field</translation>
    </message>
    <message>
        <source>Diagonale du capteur</source>
        <translation>Sensor diagonal</translation>
    </message>
    <message>
        <source>Focale réelle</source>
        <translation>Real focal length</translation>
    </message>
    <message>
        <source>Focale théorique</source>
        <translation>Theoretical focal length</translation>
    </message>
    <message>
        <source>Hauteur du capteur</source>
        <translation>Sensor height</translation>
    </message>
    <message>
        <source>Largeur du capteur</source>
        <translation>Sensor width</translation>
    </message>
    <message>
        <source>Séparation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Séparation en pixels</source>
        <translation>Separation in pixels</translation>
    </message>
    <message>
        <source>%1 : taille inconnue — %2</source>
        <translation>%1: size unknown — %2</translation>
    </message>
    <message>
        <source>%1 : … et %2 autres lignes ignorées</source>
        <translation>%1: … and %2 more lines skipped</translation>
    </message>
    <message>
        <source>%1 champs au lieu de %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source>%1&apos; x %2&apos;</source>
        <translation>%1&apos; x %2&apos;</translation>
    </message>
    <message>
        <source>%1&apos; x %2&apos;, orientation inconnue</source>
        <translation>%1&apos; x %2&apos;, orientation unknown</translation>
    </message>
    <message>
        <source>%1, ligne %2 : %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>Mosaïque</source>
        <translation>Mosaic</translation>
    </message>
    <message>
        <source>Nombre de poses en hauteur, de 1 à 5</source>
        <translation>Frames down, 1 to 5</translation>
    </message>
    <message>
        <source>Nombre de poses en largeur, de 1 à 5</source>
        <translation>Frames across, 1 to 5</translation>
    </message>
    <message>
        <source>Objet :</source>
        <translation>Object:</translation>
    </message>
    <message>
        <source>Recouvrement</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>Recouvrement des poses voisines, en pour cent</source>
        <translation>Overlap of neighbouring frames, in percent</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Un objet du ciel profond : M 31, NGC 7000, C 14, ou son nom</source>
        <translation>A deep-sky object: M 31, NGC 7000, C 14, or its name</translation>
    </message>
    <message>
        <source>aucune désignation</source>
        <translation>no designation</translation>
    </message>
    <message>
        <source>champ %1&apos; x %2&apos;</source>
        <translation>field %1&apos; x %2&apos;</translation>
    </message>
    <message>
        <source>champ %1&apos; x %2&apos; — mosaïque %3 x %4 : %5&apos; x %6&apos;</source>
        <translation>field %1&apos; x %2&apos; — mosaic %3 x %4: %5&apos; x %6&apos;</translation>
    </message>
    <message>
        <source>colonne &quot;%1&quot; : « %2 » incorrect</source>
        <translation>column &quot;%1&quot;: “%2” invalid</translation>
    </message>
    <message>
        <source>colonne &quot;%1&quot; vide</source>
        <translation>column &quot;%1&quot; empty</translation>
    </message>
    <message>
        <source>ne tient pas : mosaïque %1 x %2 conseillée</source>
        <translation>does not fit: a %1 x %2 mosaic advised</translation>
    </message>
    <message>
        <source>ne tient pas, même en mosaïque %1 x %2</source>
        <translation>does not fit, even in a %1 x %2 mosaic</translation>
    </message>
    <message>
        <source>tient dans la mosaïque (remplissage %1 %)</source>
        <translation>fits in the mosaic (filling %1 %)</translation>
    </message>
    <message>
        <source>tient dans le champ (remplissage %1 %)</source>
        <translation>fits in the field (filling %1 %)</translation>
    </message>
    <message>
        <source>« %1 » : objet inconnu ; taper par exemple M 31, NGC 7000, C 14 ou un nom</source>
        <translation>“%1”: unknown object; type for example M 31, NGC 7000, C 14 or a name</translation>
    </message>
    <message>
        <source>%1 : %2 — %3 — %4</source>
        <translation>%1: %2 — %3 — %4</translation>
    </message>
    <message>
        <source>« %1 » : caractères que le fichier ne peut pas enregistrer : %2</source>
        <translation>“%1”: characters the file cannot hold: %2</translation>
    </message>
    <message>
        <source>« %1 » : diamètre ou focale de plus de %2 mm</source>
        <translation>“%1”: aperture or focal length over %2 mm</translation>
    </message>
    <message>
        <source>« %1 » : le champ Mosaïque prend un nombre entier de panneaux de 1 à 5</source>
        <translation>“%1”: the Mosaic field takes a whole number of panels from 1 to 5</translation>
    </message>
    <message>
        <source>« %1 » : le champ Recouvrement prend un pourcentage d&apos;au moins 0 et de moins de 100</source>
        <translation>“%1”: the Overlap field takes a percentage of at least 0 and below 100</translation>
    </message>
    <message>
        <source>« %1 » : nom trop long, %2 caractères au plus</source>
        <translation>“%1”: name too long, %2 characters at most</translation>
    </message>
    <message>
        <source>« %1 » : pixels de plus de %2 µm</source>
        <translation>“%1”: pixels over %2 µm</translation>
    </message>
    <message>
        <source>0.63 x</source>
        <translation>0.63 x</translation>
    </message>
    <message>
        <source>Montage</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Comparer avec :</source>
        <translation>Compare with:</translation>
    </message>
    <message>
        <source>bleu, pointillés : %1</source>
        <translation>blue, dotted: %1</translation>
    </message>
    <message>
        <source>jaune, tirets et points : %1</source>
        <translation>yellow, dash-dot: %1</translation>
    </message>
    <message>
        <source>rouge, trait plein : montage actuel</source>
        <translation>red, solid: current setup</translation>
    </message>
    <message>
        <source>vert, tirets : %1</source>
        <translation>green, dashed: %1</translation>
    </message>
    <message>
        <source>Angle de position du haut du capteur, en degrés du nord vers l&apos;est, comme le donnent la résolution astrométrique et les logiciels d&apos;acquisition ; ou tirer à la souris hors du cadre</source>
        <translation>Position angle of the sensor&apos;s top side, in degrees from north through east, as plate solving and capture programs give it; or drag outside the frame with the mouse</translation>
    </message>
    <message>
        <source>Appliquer cet angle</source>
        <translation>Apply this angle</translation>
    </message>
    <message>
        <source>Centre :</source>
        <translation>Centre:</translation>
    </message>
    <message>
        <source>Centre du cadre, J2000 : 05h35m17s -05°23&apos;28&quot;, 5:35:17 -5:23:28 ou 83.82 -5.39 ; ou tirer le cadre à la souris</source>
        <translation>The frame&apos;s centre, J2000: 05h35m17s -05°23&apos;28&quot;, 5:35:17 -5:23:28 or 83.82 -5.39; or drag the frame with the mouse</translation>
    </message>
    <message>
        <source>Copier les panneaux</source>
        <translation>Copy the panels</translation>
    </message>
    <message>
        <source>Copier les panneaux en CSV</source>
        <translation>Copy the panels as CSV</translation>
    </message>
    <message>
        <source>Enregistrer les panneaux en CSV, colonnes d&apos;un plan de mosaïque Telescopius</source>
        <translation>Save the panels as CSV, in the columns of a Telescopius mosaic plan</translation>
    </message>
    <message>
        <source>Exporter les panneaux…</source>
        <translation>Export the panels…</translation>
    </message>
    <message>
        <source>Tourner le cadre à l&apos;angle où l&apos;objet tient</source>
        <translation>Turn the frame to the angle at which the object fits</translation>
    </message>
    <message>
        <source>« %1 » : coordonnées J2000 non reconnues ; taper par exemple 05h35m17s -05°23&apos;28&quot; ou 83.82 -5.39</source>
        <translation>“%1”: J2000 coordinates not recognised; type for example 05h35m17s -05°23&apos;28&quot; or 83.82 -5.39</translation>
    </message>
    <message>
        <source>%1 ; tient à %2°</source>
        <translation>%1; fits at %2°</translation>
    </message>
    <message>
        <source>◆ opposition : %1</source>
        <translation>◆ opposition: %1</translation>
    </message>
    <message>
        <source>◆ plus grande élongation : %1</source>
        <translation>◆ greatest elongation: %1</translation>
    </message>
    <message>
        <source>%1 : %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>%1 : %2&quot; à %3°%4</source>
        <translation>%1: %2&quot; at %3°%4</translation>
    </message>
    <message>
        <source>%1, de %2 : diamètre et hauteur au passage, le 15 du mois</source>
        <translation>%1, from %2: diameter and height at transit, on the 15th of the month</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Ajouter le site</source>
        <translation>Add the site</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Altitude au-dessous de laquelle la cible est trop basse pour l&apos;imager, en degrés</source>
        <translation>Altitude below which the target is too low to image, in degrees</translation>
    </message>
    <message>
        <source>Altitude du site en mètres</source>
        <translation>The site&apos;s altitude in metres</translation>
    </message>
    <message>
        <source>Au-dessus de %1° en nuit astronomique : %2</source>
        <translation>Above %1° in astronomical night: %2</translation>
    </message>
    <message>
        <source>Aucun site : taper sa latitude et sa longitude, ou en choisir un</source>
        <translation>No site: type its latitude and longitude, or choose one</translation>
    </message>
    <message>
        <source>Aucune cible : cadrer un objet dans Champ photo</source>
        <translation>No target: frame an object in Photo field</translation>
    </message>
    <message>
        <source>Cible :</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Coucher : %1</source>
        <translation>Sets: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Garder le site tapé sous son nom, dans le fichier de vos équipements</source>
        <translation>Keep the site typed under its name, in your equipment file</translation>
    </message>
    <message>
        <source>Nuit au-dessus de %1°, le 15 du mois, de %2</source>
        <translation>Night above %1°, on the 15th of the month, from %2</translation>
    </message>
    <message>
        <source>Objets du ciel profond ignorés :
%1</source>
        <translation>Deep-sky objects left out:
%1</translation>
    </message>
    <message>
        <source>Étoiles : Hipparcos (XHIP), jusqu&apos;à la magnitude %1,%2</source>
        <translation>Stars: Hipparcos (XHIP), to magnitude %1.%2</translation>
    </message>
    <message>
        <source>Pas d&apos;étoiles : « %1 » ne se lit pas (%2)</source>
        <translation>No stars: “%1” cannot be read (%2)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier d&apos;étoiles de Quarvel</source>
        <translation>it is no star file of Quarvel&apos;s</translation>
    </message>
    <message>
        <source>Étoiles du catalogue sur l&apos;image : %1</source>
        <translation>Catalogue stars on the image: %1</translation>
    </message>
    <message>
        <source>Rien à copier sur cette page</source>
        <translation>Nothing to copy on this page</translation>
    </message>
    <message>
        <source>Lune : lever %1, coucher %2, éclairée à %3 %, à %4° de la cible</source>
        <translation>Moon: rises %1, sets %2, %3 % lit, %4° from the target</translation>
    </message>
    <message>
        <source>levé au crépuscule</source>
        <translation>up at dusk</translation>
    </message>
    <message>
        <source>déjà levé au coucher du Soleil</source>
        <translation>already up at sunset</translation>
    </message>
    <message>
        <source>déjà levé au coucher du Soleil, de nouveau à %1</source>
        <translation>already up at sunset, up again at %1</translation>
    </message>
    <message>
        <source>%1 — ↑ %2 — passage %3 à %4° — ↓ %5 — %6 utiles</source>
        <translation>%1 — ↑ %2 — transit %3 at %4° — ↓ %5 — %6 useful</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maintenant</source>
        <translation>now</translation>
    </message>
    <message>
        <source>%1 %2 à %3 %4</source>
        <translation>%1 %2 to %3 %4</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>ou</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Ajouter la cible choisie à la nuit (cinq au plus)</source>
        <translation>Add the chosen target to the night (five at most)</translation>
    </message>
    <message>
        <source>Un autre objet du catalogue pour la nuit : M 31, NGC 7000, ou son nom ; Entrée l&apos;ajoute</source>
        <translation>Another object of the catalogue for the night: M 31, NGC 7000, or its name; Enter adds it</translation>
    </message>
    <message>
        <source>Retirer de la nuit la cible dont les détails s&apos;affichent</source>
        <translation>Remove from the night the target whose details show</translation>
    </message>
    <message>
        <source>%1 cibles sur %2 — %3, au moins %4 h de nuit, remplissage de %5 à %6 %, mosaïque jusqu&apos;à %7 x %7, Lune à %8° au moins, catalogue : %9</source>
        <translation>%1 targets of %2 — %3, at least %4 h of night, fill from %5 to %6 %, mosaic up to %7 x %7, Moon at least %8° away, catalogue: %9</translation>
    </message>
    <message>
        <source>Amas</source>
        <translation>Clusters</translation>
    </message>
    <message>
        <source>Arp</source>
        <translation>Arp</translation>
    </message>
    <message>
        <source>Barnard</source>
        <translation>Barnard</translation>
    </message>
    <message>
        <source>Caldwell</source>
        <translation>Caldwell</translation>
    </message>
    <message>
        <source>Catalogue :</source>
        <translation>Catalogue:</translation>
    </message>
    <message>
        <source>Cibles de la nuit</source>
        <translation>Tonight&apos;s targets</translation>
    </message>
    <message>
        <source>Cibles de la nuit…</source>
        <translation>Tonight&apos;s targets…</translation>
    </message>
    <message>
        <source>Collinder</source>
        <translation>Collinder</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Distance à la Lune au moins, en degrés, à la meilleure heure de l&apos;objet</source>
        <translation>Least distance to the Moon, in degrees, at the object&apos;s best hour</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Galaxies</source>
        <translation>Galaxies</translation>
    </message>
    <message>
        <source>Heures au moins au-dessus de l&apos;altitude minimale, en nuit astronomique</source>
        <translation>Least hours above the minimum altitude, in the astronomical night</translation>
    </message>
    <message>
        <source>IC</source>
        <translation>IC</translation>
    </message>
    <message>
        <source>LBN</source>
        <translation>LBN</translation>
    </message>
    <message>
        <source>LDN</source>
        <translation>LDN</translation>
    </message>
    <message>
        <source>La plus grande mosaïque permise, en panneaux de côté : 1 à 5</source>
        <translation>The largest mosaic allowed, in panels a side: 1 to 5</translation>
    </message>
    <message>
        <source>Les objets du catalogue classés pour ce montage, ce site et cette nuit</source>
        <translation>The catalogue&apos;s objects ranked for this setup, this site and this night</translation>
    </message>
    <message>
        <source>Lune à (°) :</source>
        <translation>Moon at (°):</translation>
    </message>
    <message>
        <source>Mag.</source>
        <translation>Mag.</translation>
    </message>
    <message>
        <source>Melotte</source>
        <translation>Melotte</translation>
    </message>
    <message>
        <source>Messier</source>
        <translation>Messier</translation>
    </message>
    <message>
        <source>Mosaïque (côté) :</source>
        <translation>Mosaic (side):</translation>
    </message>
    <message>
        <source>NGC</source>
        <translation>NGC</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Nuit (h) :</source>
        <translation>Night (h):</translation>
    </message>
    <message>
        <source>Nébuleuses en émission et par réflexion</source>
        <translation>Emission and reflection nebulae</translation>
    </message>
    <message>
        <source>Nébuleuses obscures</source>
        <translation>Dark nebulae</translation>
    </message>
    <message>
        <source>Nébuleuses planétaires</source>
        <translation>Planetary nebulae</translation>
    </message>
    <message>
        <source>Objet</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Part du champ (ou de la mosaïque) que l&apos;objet occupe au moins, en pour cent</source>
        <translation>Share of the field (or of the mosaic) the object takes at least, in per cent</translation>
    </message>
    <message>
        <source>Part du champ (ou de la mosaïque) que l&apos;objet occupe au plus, en pour cent</source>
        <translation>Share of the field (or of the mosaic) the object takes at most, in per cent</translation>
    </message>
    <message>
        <source>Remplissage</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Remplissage de (%) :</source>
        <translation>Fill from (%):</translation>
    </message>
    <message>
        <source>Sharpless</source>
        <translation>Sharpless</translation>
    </message>
    <message>
        <source>Taille</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>van den Bergh</source>
        <translation>van den Bergh</translation>
    </message>
    <message>
        <source>« %1 » : ce filtre prend un nombre de %2 à %3</source>
        <translation>“%1”: this filter takes a number from %2 to %3</translation>
    </message>
    <message>
        <source>à (%) :</source>
        <translation>to (%):</translation>
    </message>
    <message>
        <source>Heures du bureau, %1</source>
        <translation>Desktop times, %1</translation>
    </message>
    <message>
        <source>Heures du bureau, %1 puis %2 à partir de %3</source>
        <translation>Desktop times, %1 then %2 from %3</translation>
    </message>
    <message>
        <source>La date de la page Imagerie : la nuit commence le soir de cette date</source>
        <translation>The Imaging tab&apos;s date: the night starts on that date&apos;s evening</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Latitude en degrés, positive au nord : 48.85, 48°51&apos;N ou -33°27&apos;</source>
        <translation>Latitude in degrees, positive north: 48.85, 48°51&apos;N or -33°27&apos;</translation>
    </message>
    <message>
        <source>Le Soleil ne se couche pas</source>
        <translation>The Sun does not set</translation>
    </message>
    <message>
        <source>Le Soleil ne se lève pas</source>
        <translation>The Sun does not rise</translation>
    </message>
    <message>
        <source>Lever : %1</source>
        <translation>Rises: %1</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Longitude en degrés, positive à l&apos;est : 2.35, 2°21&apos;E ou 70°40&apos;O</source>
        <translation>Longitude in degrees, positive east: 2.35, 2°21&apos;E or 70°40&apos;W</translation>
    </message>
    <message>
        <source>Lune : éclairée à %1 %, à %2° de la cible</source>
        <translation>Moon: %1 % lit, %2° from the target</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Nuit astronomique : %1 – %2</source>
        <translation>Astronomical night: %1 – %2</translation>
    </message>
    <message>
        <source>Nuit astronomique toute la journée</source>
        <translation>Astronomical night all day</translation>
    </message>
    <message>
        <source>Pas de nuit astronomique : le Soleil reste au-dessus de -18°</source>
        <translation>No astronomical night: the Sun stays above -18°</translation>
    </message>
    <message>
        <source>Passage : %1 à %2°</source>
        <translation>Transit: %1 at %2°</translation>
    </message>
    <message>
        <source>Retirer le site choisi de vos équipements</source>
        <translation>Remove the chosen site from your equipment</translation>
    </message>
    <message>
        <source>Site :</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Supprimer le site</source>
        <translation>Remove the site</translation>
    </message>
    <message>
        <source>août</source>
        <translation>August</translation>
    </message>
    <message>
        <source>avril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>décembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>février</source>
        <translation>February</translation>
    </message>
    <message>
        <source>janvier</source>
        <translation>January</translation>
    </message>
    <message>
        <source>juillet</source>
        <translation>July</translation>
    </message>
    <message>
        <source>juin</source>
        <translation>June</translation>
    </message>
    <message>
        <source>le site « %1 »</source>
        <translation>the site “%1”</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>mars</source>
        <translation>March</translation>
    </message>
    <message>
        <source>ne se lève pas</source>
        <translation>never rises</translation>
    </message>
    <message>
        <source>novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>octobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>septembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>toujours levé</source>
        <translation>always up</translation>
    </message>
    <message>
        <source>« %1 » : l&apos;altitude du site se donne en mètres, de -500 à 9000</source>
        <translation>“%1”: the site&apos;s altitude is given in metres, from -500 to 9000</translation>
    </message>
    <message>
        <source>« %1 » : l&apos;altitude minimale se donne en degrés, de 0 à 89</source>
        <translation>“%1”: the minimum altitude is given in degrees, from 0 to 89</translation>
    </message>
    <message>
        <source>« %1 » : latitude de -90 à 90°, longitude de -180 à 180° et altitude de -500 à 9000 m</source>
        <translation>“%1”: latitude from -90 to 90°, longitude from -180 to 180° and altitude from -500 to 9000 m</translation>
    </message>
    <message>
        <source>« %1 » : latitude non reconnue ; taper des degrés nord de -90 à 90, par exemple 48.85 ou 48°51&apos;N</source>
        <translation>“%1”: latitude not recognised; type degrees north from -90 to 90, for example 48.85 or 48°51&apos;N</translation>
    </message>
    <message>
        <source>« %1 » : longitude non reconnue ; taper des degrés est de -180 à 180, par exemple 2.35 ou 2°21&apos;E</source>
        <translation>“%1”: longitude not recognised; type degrees east from -180 to 180, for example 2.35 or 2°21&apos;E</translation>
    </message>
    <message>
        <source>Mercure</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Vénus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>inclinaison %1°</source>
        <translation>tilt %1°</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une image FITS, brute d&apos;appareil photo, TIFF, PNG ou JPEG lisible.</source>
        <translation>It is no readable FITS, camera raw, TIFF, PNG or JPEG image.</translation>
    </message>
    <message>
        <source>Fichier brut d&apos;appareil photo illisible.</source>
        <translation>Unreadable camera raw file.</translation>
    </message>
    <message>
        <source>Image FITS incorrecte ou tronquée.</source>
        <translation>Incorrect or truncated FITS image.</translation>
    </message>
    <message>
        <source>Image de moins de %1 pixels de côté.</source>
        <translation>Image with a side of less than %1 pixels.</translation>
    </message>
    <message>
        <source>Image de plus de %1 mégapixels.</source>
        <translation>Image of more than %1 megapixels.</translation>
    </message>
    <message>
        <source>La résolution astrométrique demande les paquets astrometry.net et astrometry-data-tycho2 : installez-les</source>
        <translation>Plate solving needs the astrometry.net and astrometry-data-tycho2 packages: install them</translation>
    </message>
    <message>
        <source>aucune solution trouvée en %1 s</source>
        <translation>no solution found in %1 s</translation>
    </message>
    <message>
        <source>résolution annulée</source>
        <translation>solving cancelled</translation>
    </message>
    <message>
        <source>Image PNG incorrecte ou tronquée.</source>
        <translation>Incorrect or truncated PNG image.</translation>
    </message>
    <message>
        <source>Image JPEG incorrecte, tronquée ou en CMJN.</source>
        <translation>Incorrect, truncated or CMYK JPEG image.</translation>
    </message>
    <message>
        <source>Image TIFF incorrecte, tronquée ou d&apos;un type non lu (palette, moins de 8 bits).</source>
        <translation>Incorrect or truncated TIFF image, or of a kind not read (palette, fewer than 8 bits).</translation>
    </message>
    <message>
        <source>Le fichier semble endommagé : sa lecture s&apos;est arrêtée sur une faute (%1).</source>
        <translation>The file seems damaged: reading it stopped on a fault (%1).</translation>
    </message>
    <message>
        <source>Sa lecture a été arrêtée après %1 s.</source>
        <translation>Reading it was stopped after %1 s.</translation>
    </message>
    <message>
        <source>Sa lecture demandait plus de %1 Mo de mémoire.</source>
        <translation>Reading it needed more than %1 MB of memory.</translation>
    </message>
    <message>
        <source>Le lecteur d&apos;images du programme (%1) est introuvable : réinstallez Quarvel.</source>
        <translation>The program&apos;s image reader (%1) cannot be found: reinstall Quarvel.</translation>
    </message>
    <message>
        <source>solve-field a échoué : %1</source>
        <translation>solve-field failed: %1</translation>
    </message>
    <message>
        <source>solve-field a échoué (code %1)</source>
        <translation>solve-field failed (code %1)</translation>
    </message>
    <message>
        <source>solve-field s&apos;est arrêté sur une faute (signal %1)</source>
        <translation>solve-field stopped on a fault (signal %1)</translation>
    </message>
    <message>
        <source>la solution rendue par solve-field est incorrecte (%1)</source>
        <translation>the solution solve-field gave is incorrect (%1)</translation>
    </message>
    <message>
        <source>« %1 » n&apos;a pas pu être résolue : %2</source>
        <translation>“%1” could not be solved: %2</translation>
    </message>
    <message>
        <source>%1 : centre %2, à %3 du cadre</source>
        <translation>%1: centre %2, %3 from the frame</translation>
    </message>
    <message>
        <source>Centrer et tourner le cadre comme l&apos;image</source>
        <translation>Centre and turn the frame as the image</translation>
    </message>
    <message>
        <source>Champ %1 x %2, calcul %3 x %4</source>
        <translation>Field %1 x %2, computed %3 x %4</translation>
    </message>
    <message>
        <source>FWHM des étoiles : %1 px, %2&quot;</source>
        <translation>Stars&apos; FWHM: %1 px, %2&quot;</translation>
    </message>
    <message>
        <source>FWHM des étoiles : pas d&apos;étoile mesurable</source>
        <translation>Stars&apos; FWHM: no star to measure</translation>
    </message>
    <message>
        <source>FWHM vers turbulence</source>
        <translation>FWHM to seeing</translation>
    </message>
    <message>
        <source>Mesurer une image…</source>
        <translation>Measure an image…</translation>
    </message>
    <message>
        <source>Prendre la FWHM des étoiles de l&apos;image comme turbulence du site (page Imagerie)</source>
        <translation>Take the image&apos;s stars&apos; FWHM as the site&apos;s seeing (Imagerie page)</translation>
    </message>
    <message>
        <source>Reprendre ce cadrage</source>
        <translation>Take this framing</translation>
    </message>
    <message>
        <source>autour du cadre, à l&apos;échantillonnage du montage</source>
        <translation>about the frame, at the setup&apos;s sampling</translation>
    </message>
    <message>
        <source>autour du cadre, à toute échelle</source>
        <translation>about the frame, at any scale</translation>
    </message>
    <message>
        <source>sur tout le ciel, à toute échelle</source>
        <translation>over the whole sky, at any scale</translation>
    </message>
    <message>
        <source>Résolution de %1 annulée</source>
        <translation>Solving %1 cancelled</translation>
    </message>
    <message>
        <source>Aucun fichier d&apos;index installé ne couvre un champ de %1&apos; (ceux de Tycho-2 partent de %2&apos;) : il faudrait ceux de 2MASS, de 8&apos; à 22&apos; (paquets astrometry-data-2mass-04 à -06, section contrib de Debian)</source>
        <translation>No installed index file covers a field of %1&apos; (the Tycho-2 ones start at %2&apos;): it needs the 2MASS ones, from 8&apos; to 22&apos; (packages astrometry-data-2mass-04 to -06, in Debian&apos;s contrib section)</translation>
    </message>
    <message>
        <source>%1 : image d&apos;un autre montage (échantillonnage différent de plus de %2 %) ; centre %3</source>
        <translation>%1: an image from another setup (sampling more than %2 % different); centre %3</translation>
    </message>
    <message>
        <source>Échantillonnage %1&quot;/px</source>
        <translation>Sampling %1&quot;/px</translation>
    </message>
    <message>
        <source>Champ %1 x %2</source>
        <translation>Field %1 x %2</translation>
    </message>
    <message>
        <source>FWHM des étoiles : après une résolution</source>
        <translation>Stars&apos; FWHM: after a solve</translation>
    </message>
    <message>
        <source>Solution lue dans le fichier (WCS), non résolue</source>
        <translation>Solution read from the file (WCS), not solved</translation>
    </message>
    <message>
        <source>Résoudre l&apos;image</source>
        <translation>Solve the image</translation>
    </message>
    <message>
        <source>Résoudre l&apos;image avec astrometry.net au lieu de la solution que porte son fichier</source>
        <translation>Solve the image with astrometry.net instead of the solution its file holds</translation>
    </message>
    <message>
        <source>Rotation %1° (le haut de l&apos;image, du nord vers l&apos;est), cadre %2° ; miroir : %3</source>
        <translation>Rotation %1° (the image&apos;s top, from north through east), frame %2°; mirrored: %3</translation>
    </message>
    <message>
        <source>Résolution de %1 : %2
%3 s écoulées, au plus %4 s encore</source>
        <translation>Solving %1: %2
%3 s spent, at most %4 s more</translation>
    </message>
    <message>
        <source>Résoudre une de vos images (FITS, brute, TIFF, PNG ou JPEG) avec astrometry.net et la comparer au calcul</source>
        <translation>Solve one of your images (FITS, raw, TIFF, PNG or JPEG) with astrometry.net and compare it with the calculation</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Échantillonnage %1&quot;/px, calcul %2&quot;/px (%3 %)</source>
        <translation>Sampling %1&quot;/px, computed %2&quot;/px (%3 %)</translation>
    </message>
    <message>
        <source>Quarvel calcule, pour un instrument et un capteur donnés, les grandeurs utiles à l&apos;imagerie astronomique.

La rangée d&apos;onglets, en haut, mène aux différentes pages du programme. La rangée de boutons, en bas, sert à effacer les champs de la page affichée (&quot;Effacer champs&quot;, sur les pages Paramètrage, Calculs et Imagerie), à relire la configuration sauvegardée (&quot;Charge config&quot;), à la sauvegarder (&quot;Sauve config&quot;) et à quitter le programme (&quot;Quitter&quot;). La configuration se charge et se sauvegarde depuis l&apos;onglet Paramètrage. Sous ces boutons, &quot;Copier les résultats&quot; met les résultats de la page affichée dans le presse-papiers, une ligne par valeur (légende, valeur, unité, séparées par des tabulations) ; sur les pages de dessin, les deux boutons suivants copient le dessin ou l&apos;enregistrent en PNG, deux fois plus grand qu&apos;à l&apos;écran. &quot;Mode nuit&quot; passe la fenêtre en rouge sur fond noir, pour garder la vision de nuit au télescope ; le choix est gardé pour la fois suivante.

Les nombres s&apos;écrivent avec un point ou une virgule décimale. Tant qu&apos;un nombre n&apos;est que commencé (&quot;-&quot;, &quot;0&quot; avant &quot;0,8&quot;), les résultats gardent leurs valeurs ; il est jugé quand on appuie sur Entrée ou qu&apos;on quitte le champ, et un message dit alors ce qui ne va pas.

Touches : Ctrl+S sauvegarde la configuration, Ctrl+Q quitte, Ctrl+N passe en mode nuit et en revient, Ctrl+Maj+C copie les résultats, F1 montre cette page, Ctrl+Page suivante et Ctrl+Page précédente (ou Ctrl+Tab) passent d&apos;une page à l&apos;autre, les flèches aussi quand la rangée d&apos;onglets a le clavier.

Onglet Paramètrage :
---------------------
Saisir le diamètre et la focale de l&apos;instrument en millimètres, ou choisir un télescope dans la liste du bouton &quot;Télescopes&quot;, avec un éventuel réducteur ou multiplicateur de focale (Barlow). Une focale affichée en italique indique qu&apos;un réducteur ou un multiplicateur est utilisé. Cliquer dans le champ du diamètre ou de la focale commence une configuration personnelle ; &quot;Rétablir&quot; revient aux valeurs précédentes. Le filtre choisi modifie le pouvoir résolvant.
La liste des capteurs propose les principaux capteurs, la saisie manuelle des caractéristiques (&quot;Saisie manuelle&quot;), les données sauvegardées, la liste des caméras et la liste des appareils photos numériques. Les touches S, C et P de la liste mènent à la saisie manuelle, aux caméras et aux appareils photos. En saisie manuelle, indiquer le nombre de pixels et leur taille en microns ; &quot;Pixel carré&quot; recopie la largeur dans la hauteur. Dans les listes de télescopes, de caméras et d&apos;appareils photos, le champ &quot;Filtre&quot; ne garde que les lignes qui contiennent tous les mots tapés.
Vos propres équipements : dans la liste des télescopes, &quot;Ajouter…&quot; enregistre le diamètre et la focale actuels sous un nom ; dans les listes des caméras et des appareils photos, &quot;Ajouter…&quot; enregistre le capteur actuel. Ils suivent les autres dans les listes, marqués ★, et &quot;Supprimer&quot; les retire après confirmation. Un nom compte au plus 60 caractères, sans &quot;]&quot; ni caractère que le fichier ne peut pas enregistrer (lettres grecques, par exemple), et ne peut pas reprendre un nom des listes, même écrit avec d&apos;autres majuscules. Ils sont gardés dans le fichier Quarvel-equipements.ini, à côté du fichier de configuration, que l&apos;on peut aussi modifier à la main programme fermé : une section par équipement, [Capteur nom] avec LargeurPixels, HauteurPixels, TaillePixelX et TaillePixelY (en microns), [Caméra nom] avec Capteur, [APN nom] avec LargeurPixels, HauteurPixels et TaillePixel, [Télescope nom] avec Diamètre et Focale (en mm), nombres avec un point décimal.
Montages : &quot;Enregistrer le montage…&quot; garde sous un nom le télescope, le réducteur, le filtre et le capteur actuels (une section [Montage nom] du même fichier) ; les choisir dans la liste &quot;Montage :&quot; les montre à nouveau, et &quot;Supprimer&quot; retire celui qui est montré.
Le programme affiche le rapport f/D, les pouvoirs résolvant et séparateur, la taille du capteur, l&apos;échantillonnage et le champ couvert.

Onglet Dessin capteur :
-----------------------
Compare la taille du capteur choisi à celle d&apos;un film 24 x 36 mm.

Onglet Calculs :
----------------
Saisir les coordonnées X et Y de deux objets relevées sur une image : le programme donne leur séparation en pixels et en secondes d&apos;arc. Avec &quot;Saisie séparation&quot; à &quot;Oui&quot;, saisir la séparation connue des deux objets : le programme donne la focale réelle correspondant à l&apos;image.

Onglet Imagerie :
-----------------
En imagerie planétaire, choisir l&apos;objet (le Soleil, la Lune, les sept planètes ou les Pléiades) : le programme donne son diamètre apparent à la date indiquée, sa taille sur le capteur, le rapport f/D optimal et, pour les planètes, le temps de pose limite avant que la rotation de la planète ne floute l&apos;image ; pour Saturne, le diamètre de ses anneaux et leur inclinaison vers la Terre (positive quand leur face nord est vue). Les distances de Mercure, Vénus, Uranus et Neptune viennent de la théorie planétaire d&apos;ERFA. Un clic sur &quot;Diamètre apparent&quot; passe le diamètre du Soleil et de la Lune des secondes d&apos;arc aux minutes d&apos;arc et inversement. Le bouton &quot;Changer date&quot; ouvre un calendrier, où &quot;Aujourd&apos;hui&quot; prend la date du jour ; un clic droit sur ce bouton prend la date du jour sans l&apos;ouvrir.
En imagerie du ciel profond, le programme donne l&apos;échantillonnage actuel, l&apos;échantillonnage le plus fin utile et la focale à appliquer pour l&apos;échantillonnage choisi avec le curseur. Saisir la turbulence du site (&quot;Turbulence (FWHM)&quot;, la largeur à mi-hauteur des étoiles, en secondes d&apos;arc, de plus de 0 à 30) et choisir le binning : le programme donne l&apos;échantillonnage avec binning et dit s&apos;il est sous-échantillonné, bien échantillonné (entre FWHM/3 et FWHM/2) ou sur-échantillonné. La turbulence et le binning sont gardés pour la fois suivante.

Onglet Dessin planète :
-----------------------
Dessine l&apos;objet choisi à l&apos;échelle du capteur. Un clic droit sur le nom de l&apos;objet permet d&apos;en choisir un autre ; pour le capteur MT9M001, un clic droit sur le dessin choisit une zone d&apos;intérêt.

Onglet Champ photo :
--------------------
Montre le champ du capteur, en rouge, sur des photographies d&apos;objets du ciel profond. Un clic droit sur le nom de l&apos;objet permet de choisir une autre photographie.
&quot;Objet :&quot; prend n&apos;importe quel objet Messier, Caldwell, NGC ou IC du catalogue, par son numéro (M31, ngc 7000, C 14) ou son nom, accents ou non ; des propositions s&apos;affichent pendant la frappe, et Entrée montre l&apos;objet à l&apos;échelle sur une carte du ciel autour de lui, nord en haut et est à gauche, avec sa photographie ou son contour et les autres objets du catalogue en vue, nommés ; une boussole et une échelle sont dans les coins. La molette, ou les touches + et -, changent l&apos;échelle, de deux fois le cadre à 60° ; la carte s&apos;agrandit avec la fenêtre. &quot;Rotation&quot; est l&apos;angle de position du côté haut du capteur, en degrés du nord vers l&apos;est, comme le donnent la résolution astrométrique et les logiciels d&apos;acquisition ; un triangle marque ce côté dans le cadre. Tirer à la souris hors du cadre le tourne ; tirer le cadre le déplace sur le ciel, qui reste en place, pour cadrer un couple d&apos;objets. &quot;Centre :&quot; prend des coordonnées J2000 (05h35m17s -05°23&apos;28&quot;, 5:35:17 -5:23:28 ou 83.82 -5.39, la virgule décimale aussi) et Entrée y place le cadre ; le centre du cadre est toujours écrit à côté, et se sélectionne pour être copié. &quot;Mosaïque&quot; donne le nombre de poses en largeur et en hauteur (de 1 à 5) et &quot;Recouvrement&quot; la part de chaque pose partagée avec sa voisine, en pour cent (de 0 à moins de 100). La ligne sous le dessin dit si l&apos;objet tient dans le champ ou dans la mosaïque, quelle mosaïque le ferait tenir et à quel angle il tiendrait ; &quot;Appliquer cet angle&quot; y tourne le cadre. La liste des panneaux donne le centre et l&apos;angle de chacun, calculés sur la sphère ; &quot;Exporter les panneaux…&quot; les enregistre en CSV dans les colonnes d&apos;un plan de mosaïque Telescopius (Pane, RA, DEC, Position Angle (East)…), que N.I.N.A. importe, et &quot;Copier les panneaux&quot; les copie. Les étoiles du catalogue Hipparcos (XHIP) sont dessinées derrière le cadre, d&apos;autant plus grosses qu&apos;elles sont brillantes, jusqu&apos;à une magnitude qui suit l&apos;échelle (toutes, jusqu&apos;à 13,8, à 1° et moins) et que la carte écrit en haut à droite.
&quot;Mesurer une image…&quot; ouvre une de vos images (FITS, brute d&apos;appareil photo CR2, CR3, NEF ou ARW, TIFF, PNG ou JPEG) et la résout avec astrometry.net (paquets astrometry.net et astrometry-data-tycho2), en cherchant d&apos;abord autour du cadre et de l&apos;échantillonnage du montage, à 15 % près, puis ailleurs ; &quot;Annuler&quot; l&apos;arrête. Sous le dessin s&apos;affichent son centre J2000 et sa distance au cadre, son échantillonnage et son champ à côté de ceux du calcul, avec l&apos;écart en pour cent (un réducteur qui travaille à 0,78x au lieu de 0,8x s&apos;y voit), sa rotation dans la convention de &quot;Rotation&quot;, si elle est en miroir, et la FWHM médiane de ses étoiles en pixels et en secondes d&apos;arc. L&apos;image est dessinée sur la carte à sa place, à son échelle et à son angle. &quot;Reprendre ce cadrage&quot; met le centre et la rotation du cadre à ceux de l&apos;image, pour refaire le même cadrage la nuit suivante ; &quot;FWHM vers turbulence&quot; met la FWHM des étoiles dans le champ de turbulence de l&apos;onglet Imagerie. En ligne de commande, quarvel --mesurer IMAGE [--echantillonnage X] donne les mêmes mesures, une par ligne. Les étoiles du catalogue qui tombent sur l&apos;image y sont cerclées et comptées : posées sur ses étoiles, elles disent que la résolution est juste. Pendant la résolution, la fenêtre reste utilisable ; la fenêtre de résolution dit où la recherche en est (autour du cadre à l&apos;échantillonnage du montage, autour du cadre à toute échelle, puis sur tout le ciel) et le temps qu&apos;il lui reste au plus ; &quot;Annuler&quot; l&apos;arrête sans erreur. Avant de résoudre, la page dit quand le champ du montage est plus petit que ce que couvrent les fichiers d&apos;index installés. Le champ de l&apos;image est mesuré sur le ciel, entre les milieux de ses côtés, et s&apos;écrit en degrés au-delà de 2° ; la rotation est l&apos;angle de position du haut de l&apos;image telle qu&apos;elle s&apos;affiche, compté du nord vers l&apos;est. Une image dont l&apos;échantillonnage s&apos;écarte de plus de 20 % de celui du montage est dite d&apos;un autre montage, avec ses propres mesures. Une image FITS qui porte déjà sa solution astrométrique (WCS) est mesurée sur celle-ci, sans résolution ; &quot;Résoudre l&apos;image&quot; la résout quand même.
Les montages comparés (onglet Comparer) sont dessinés aussi, chacun dans sa couleur et avec son trait (tirets, pointillés, tirets et points), nommés dans la légende.
Photographies tirées des textures du ciel profond de Stellarium : M 13 (Starhopper), M 27 (Stéphane Dumont), M 31 et M 45 (HG731GZ, Herm Perez), M 42 (HG731GZ, Stéphane Dumont), NGC 7331 (Peter Vasey, Plover Hill Observatory). Le détail des crédits et des licences est dans le fichier images/CREDITS.

Onglet Nuit :
-------------
Dit quand la cible se photographie depuis votre site. &quot;Site :&quot; choisit l&apos;un de vos sites, gardés dans le fichier de vos équipements ; le dernier choisi est repris au démarrage. Pour en ajouter un, taper son &quot;Nom&quot;, sa &quot;Latitude&quot; (degrés, positive au nord : 48.85, 48°51&apos;N ou -33°27&apos;) et sa &quot;Longitude&quot; (degrés, positive à l&apos;est : 2.35, 2°21&apos;E ou 70°40&apos;O), son &quot;Altitude&quot; en mètres, puis &quot;Ajouter le site&quot;. &quot;Minimum&quot; est l&apos;altitude sous laquelle la cible est trop basse (30° par défaut). &quot;Cible :&quot; propose la Lune, les planètes, l&apos;objet cadré dans l&apos;onglet Champ photo et chaque panneau de sa mosaïque : &quot;Ajouter&quot; met la cible choisie dans la nuit, et le champ qui suit prend n&apos;importe quel objet du catalogue (M 31, NGC 7000 ou un nom, Entrée l&apos;ajoute) ; la nuit montre jusqu&apos;à cinq cibles, l&apos;objet cadré y entre de lui-même, et &quot;Retirer&quot; ôte celle dont les détails s&apos;affichent. La date est celle de l&apos;onglet Imagerie, &quot;Changer date&quot; la change : la nuit commence le soir de cette date.
Le graphique va du coucher au lever du Soleil : le fond s&apos;assombrit avec les crépuscules civil, nautique et astronomique, chaque cible a sa courbe et sa couleur, les tirets gris sont la Lune, la ligne rouge le minimum et, la nuit de ce soir, une ligne blanche marque l&apos;heure qu&apos;il est ; la légende le rappelle en haut ; les heures sont celles du bureau, à l&apos;heure d&apos;été ou d&apos;hiver de chaque instant. Dessous, une ligne par cible (↑ lever, passage au méridien avec sa hauteur, ↓ coucher, heures utiles) : un clic sur l&apos;une en montre les détails, lever (ou &quot;déjà levé au coucher du Soleil&quot;), passage et coucher, la nuit astronomique (Soleil à plus de 18° sous l&apos;horizon), les heures où la cible reste au-dessus du minimum dans cette nuit, et la Lune, son lever, son coucher, sa part éclairée et sa distance à la cible. &quot;Cibles de la nuit…&quot; ouvre tout le catalogue classé pour le montage actuel, le site et la nuit de la date : pour chaque objet, ses heures au-dessus du minimum en nuit astronomique, la part du champ qu&apos;il occupe (ou de la mosaïque qui le contient), la distance à la Lune à sa meilleure heure, son type, sa taille, sa magnitude et une note : les heures, fois le cadrage (le remplissage rapporté à 30 %, au plus 1 ; une mosaïque de n panneaux compte 1/n ; une taille inconnue 1/2), fois la Lune (1 - 3/4 x sa part éclairée x le cosinus de sa distance, nul au-delà de 90°). Les filtres (type, catalogue, heures au moins, remplissage de et à, plus grande mosaïque, distance à la Lune au moins) sont gardés dans Quarvel.ini ; un clic sur un titre de colonne trie, un second l&apos;inverse ; &quot;Copier&quot; et &quot;Exporter…&quot; donnent la liste en CSV ; un double clic cadre l&apos;objet dans Champ photo et l&apos;ajoute à la nuit. Au nord du cercle polaire, la page dit quand le Soleil ne se couche pas. Enfin les douze mois à partir de celui de la date, le 15 de chaque mois : les heures utiles d&apos;une cible du ciel profond, ou le diamètre apparent et la hauteur au passage d&apos;une planète, ses oppositions marquées.
Lever, coucher et crépuscules suivent l&apos;usage des éphémérides (réfraction de 34&apos;, bord supérieur du Soleil) ; les positions viennent d&apos;ERFA, les routines SOFA de l&apos;Union astronomique internationale.

Onglet Comparer :
-----------------
Met le montage actuel à côté de trois montages enregistrés au plus, choisis dans les listes &quot;Comparer avec :&quot; : télescope, capteur, rapport f/D, pouvoirs résolvant et séparateur, taille du capteur, échantillonnage, champ, Jupiter et la Lune sur le capteur à la date de l&apos;onglet Imagerie, pose limite sur Jupiter et verdict du ciel profond pour la turbulence saisie. &quot;Copier les résultats&quot; copie le tableau, sa première ligne nommant les montages.

Onglet Aide :
-------------
Cette page.

Onglet A propos :
-----------------
Version du programme et adresse de contact. Le bouton &quot;Lancer le programme&quot; donne accès aux autres onglets.


La configuration est enregistrée dans le fichier %1.
</source>
        <translation>Quarvel computes, for a given instrument and sensor, the figures that matter for astronomical imaging.

The row of tabs at the top leads to the program&apos;s pages. The row of buttons at the bottom clears the fields of the page shown (&quot;Clear fields&quot;, on the Settings, Calculations and Imaging pages), reloads the saved configuration (&quot;Load config&quot;), saves it (&quot;Save config&quot;) and quits the program (&quot;Quit&quot;). The configuration is loaded and saved from the Settings tab. Under these buttons, &quot;Copy the results&quot; puts the results of the page shown on the clipboard, one line per value (caption, value, unit, separated by tabs); on the drawing pages, the next two buttons copy the drawing or save it as PNG, twice as large as on the screen. &quot;Night mode&quot; turns the window red on black, to keep your night vision at the telescope; the choice is kept for the next time.

Numbers are written with a decimal point or comma. While a number is only begun (&quot;-&quot;, &quot;0&quot; before &quot;0.8&quot;), the results keep their values; it is judged when you press Enter or leave the field, and a message then says what is wrong.

Keys: Ctrl+S saves the configuration, Ctrl+Q quits, Ctrl+N switches the night mode on and off, Ctrl+Shift+C copies the results, F1 shows this page, Ctrl+Page Down and Ctrl+Page Up (or Ctrl+Tab) go from page to page, and so do the arrow keys when the row of tabs has the keyboard.

Settings tab:
-------------
Type the instrument&apos;s aperture and focal length in millimetres, or choose a telescope from the &quot;Telescopes&quot; button&apos;s list, with a focal reducer or a Barlow lens if any. A focal length shown in italics means that a reducer or a Barlow lens is in use. Clicking into the aperture or focal length field starts a personal configuration; &quot;Restore&quot; goes back to the previous values. The chosen filter changes the resolving power.
The sensor list offers the main sensors, manual entry of the sensor&apos;s figures (&quot;Manual entry&quot;), the saved data, the list of cameras and the list of digital cameras. The keys S, C and P in the list lead to manual entry, to the cameras and to the digital cameras. In manual entry, give the pixel counts and the pixel size in microns; &quot;Square pixels&quot; copies the width into the height. In the telescope, camera and digital camera lists, the &quot;Filter&quot; field keeps only the rows that hold every word typed.
Your own equipment: in the telescope list, &quot;Add…&quot; saves the current aperture and focal length under a name; in the camera and digital camera lists, &quot;Add…&quot; saves the current sensor. They follow the others in the lists, marked ★, and &quot;Remove&quot; removes them after a confirmation. A name has at most 60 characters, no &quot;]&quot; and no character the file cannot hold (Greek letters, for example), and cannot repeat a name of the lists, even with other capitals. They are kept in the file Quarvel-equipements.ini, beside the configuration file, which can also be edited by hand while the program is closed: one section per item, [Capteur name] with LargeurPixels, HauteurPixels, TaillePixelX and TaillePixelY (in microns), [Caméra name] with Capteur, [APN name] with LargeurPixels, HauteurPixels and TaillePixel, [Télescope name] with Diamètre and Focale (in mm), numbers with a decimal point.
Setups: &quot;Save the setup…&quot; keeps the current telescope, reducer, filter and sensor under a name (a [Montage name] section of the same file); choosing one in the &quot;Setup:&quot; list shows it again, and &quot;Remove&quot; removes the one shown.
The program shows the focal ratio, the resolving and separating power, the sensor size, the sampling and the field of view.

Sensor drawing tab:
-------------------
Compares the size of the chosen sensor with a 24 x 36 mm film frame.

Calculations tab:
-----------------
Type the X and Y coordinates of two objects measured on an image: the program gives their separation in pixels and in arc-seconds. With &quot;Separation entry&quot; at &quot;Yes&quot;, type the known separation of the two objects: the program gives the real focal length of the image.

Imaging tab:
------------
In planetary imaging, choose the object (the Sun, the Moon, the seven planets or the Pleiades): the program gives its apparent diameter on the date shown, its size on the sensor, the optimal focal ratio and, for the planets, the longest exposure before the planet&apos;s rotation blurs the image; for Saturn, the diameter of its rings and their tilt towards the Earth (positive when their northern face is seen). The distances of Mercury, Venus, Uranus and Neptune come from ERFA&apos;s planetary theory. A click on &quot;Apparent diameter&quot; switches the Sun&apos;s and the Moon&apos;s diameter between arc-seconds and arc-minutes. The &quot;Change date&quot; button opens a calendar, where &quot;Today&quot; takes today&apos;s date; a right click on that button takes today&apos;s date without opening it.
In deep-sky imaging, the program gives the current sampling, the finest useful sampling and the focal length that gives the sampling chosen with the slider. Type your site&apos;s seeing (&quot;Seeing (FWHM)&quot;, the stars&apos; full width at half maximum, in arc-seconds, above 0 and up to 30) and choose the binning: the program gives the sampling with binning and says whether it is undersampled, well sampled (between FWHM/3 and FWHM/2) or oversampled. The seeing and the binning are kept for the next time.

Planet drawing tab:
-------------------
Draws the chosen object to the sensor&apos;s scale. A right click on the object&apos;s name chooses another one; for the MT9M001 sensor, a right click on the drawing chooses a region of interest.

Photo field tab:
----------------
Shows the sensor&apos;s field, in red, over photographs of deep-sky objects. A right click on the object&apos;s name chooses another photograph.
&quot;Object:&quot; takes any Messier, Caldwell, NGC or IC object of the catalogue, by its number (M31, ngc 7000, C 14) or its name, with or without accents; proposals show as you type, and Enter shows the object to scale on a chart of the sky around it, north up and east left, with its photograph or its outline and the catalogue&apos;s other objects in view, named; a compass and a scale stand in the corners. The wheel, or the + and - keys, change the scale, from twice the frame to 60°; the chart grows with the window. &quot;Rotation&quot; is the position angle of the sensor&apos;s top side, in degrees from north through east, as plate solving and capture programs give it; a triangle marks that side inside the frame. Dragging outside the frame turns it; dragging the frame moves it across the sky, which stays, to frame a pair of objects. &quot;Centre:&quot; takes J2000 coordinates (05h35m17s -05°23&apos;28&quot;, 5:35:17 -5:23:28 or 83.82 -5.39, a decimal comma too) and Enter puts the frame there; the frame&apos;s centre is always written beside it, and can be selected to be copied. &quot;Mosaic&quot; gives the number of frames across and down (1 to 5) and &quot;Overlap&quot; the share of each frame shared with its neighbour, in per cent (0 to below 100). The line under the drawing says whether the object fits in the field or in the mosaic, which mosaic would hold it and at which angle it would fit; &quot;Apply this angle&quot; turns the frame to it. The list of panels gives each one&apos;s centre and angle, computed on the sphere; &quot;Export the panels…&quot; saves them as CSV in the columns of a Telescopius mosaic plan (Pane, RA, DEC, Position Angle (East)…), which N.I.N.A. imports, and &quot;Copy the panels&quot; copies them. The stars of the Hipparcos catalogue (XHIP) are drawn behind the frame, the larger the brighter, down to a magnitude that follows the scale (all of them, to 13.8, at 1° and closer) and that the chart writes at its top right.
&quot;Measure an image…&quot; opens one of your images (FITS, camera raw CR2, CR3, NEF or ARW, TIFF, PNG or JPEG) and solves it with astrometry.net (packages astrometry.net and astrometry-data-tycho2), searching first around the frame and the setup&apos;s sampling, within 15 %, then elsewhere; &quot;Cancel&quot; stops it. Under the drawing are shown its J2000 centre and its distance from the frame, its sampling and field beside the calculated ones, with the difference in per cent (a reducer that works at 0.78x instead of 0.8x shows there), its rotation in the convention of &quot;Rotation&quot;, whether it is mirrored, and its stars&apos; median FWHM in pixels and arc-seconds. The image is drawn on the chart at its place, scale and angle. &quot;Take this framing&quot; sets the frame&apos;s centre and rotation to the image&apos;s, to frame the same the next night; &quot;FWHM to seeing&quot; puts the stars&apos; FWHM in the seeing field of the Imagerie tab. From the command line, quarvel --measure IMAGE [--sampling X] gives the same measures, one a line. The catalogue&apos;s stars that fall on the image are circled on it and counted: sitting on its stars, they say the solution is right. While it solves, the window stays usable; the solving window says where the search is (about the frame at the setup&apos;s sampling, about the frame at any scale, then over the whole sky) and the most time it has left; &quot;Cancel&quot; stops it with no error. Before solving, the page says when the setup&apos;s field is smaller than what the installed index files cover. The image&apos;s field is measured on the sky, between its sides&apos; midpoints, and written in degrees beyond 2°; the rotation is the position angle of the image&apos;s top as it shows, counted from north through east. An image whose sampling differs by more than 20 % from the setup&apos;s is said to come from another setup, with its own measures. A FITS image that already holds its astrometric solution (WCS) is measured on it, without solving; &quot;Solve the image&quot; solves it all the same.
The compared setups (Compare tab) are drawn too, each in its colour and with its line (dashed, dotted, dash-dot), named in the legend.
Photographs taken from Stellarium&apos;s deep-sky textures: M 13 (Starhopper), M 27 (Stéphane Dumont), M 31 and M 45 (HG731GZ, Herm Perez), M 42 (HG731GZ, Stéphane Dumont), NGC 7331 (Peter Vasey, Plover Hill Observatory). The credits and licences in full are in the file images/CREDITS.

Night tab:
----------
Says when the target can be shot from your site. &quot;Site:&quot; chooses one of your sites, kept in your equipment file; the last one chosen is taken again at start. To add one, type its &quot;Name&quot;, its &quot;Latitude&quot; (degrees, positive north: 48.85, 48°51&apos;N or -33°27&apos;) and its &quot;Longitude&quot; (degrees, positive east: 2.35, 2°21&apos;E or 70°40&apos;W), its &quot;Altitude&quot; in metres, then &quot;Add the site&quot;. &quot;Minimum&quot; is the altitude below which the target is too low (30° by default). &quot;Target:&quot; offers the Moon, the planets, the object framed in the Photo field tab and each panel of its mosaic: &quot;Add&quot; puts the chosen target in the night, and the field after it takes any object of the catalogue (M 31, NGC 7000 or a name, Enter adds it); the night shows up to five targets, the framed object joins it by itself, and &quot;Remove&quot; takes out the one whose details show. The date is the Imaging tab&apos;s, &quot;Change date&quot; changes it: the night starts on that date&apos;s evening.
The chart runs from sunset to sunrise: the background darkens with the civil, nautical and astronomical twilights, each target has its curve and its colour, the grey dashes are the Moon, the red line the minimum and, on tonight&apos;s night, a white line marks the time it is; the legend recalls it at the top; the times are the desktop&apos;s, in the summer or winter time of each instant. Under it, a line a target (↑ rising, transit with its altitude, ↓ setting, useful hours): a click on one shows its details, rising (or &quot;already up at sunset&quot;), transit and setting, the astronomical night (the Sun more than 18° below the horizon), the hours the target stays above the minimum in that night, and the Moon, its rising, its setting, its lit part and its distance from the target. &quot;Tonight&apos;s targets…&quot; opens the whole catalogue ranked for the current setup, the site and the date&apos;s night: for each object, its hours above the minimum in the astronomical night, the share of the field it takes (or of the mosaic that holds it), the distance to the Moon at its best hour, its type, size, magnitude and a score: the hours, times the framing (the fill over 30 %, at most 1; a mosaic of n panels counts 1/n; an unknown size 1/2), times the Moon (1 - 3/4 x its lit part x the cosine of its distance, none beyond 90°). The filters (type, catalogue, least hours, fill from and to, largest mosaic, least distance to the Moon) are kept in Quarvel.ini; a click on a column&apos;s heading sorts, a second reverses; &quot;Copy&quot; and &quot;Export…&quot; give the list as CSV; a double click frames the object in Photo field and adds it to the night. North of the polar circle, the page says when the Sun does not set. Last the twelve months from the date&apos;s, on the 15th of each month: a deep-sky target&apos;s useful hours, or a planet&apos;s apparent diameter and altitude at transit, its oppositions marked.
Rising, setting and twilights follow the almanacs&apos; use (34&apos; of refraction, the Sun&apos;s upper limb); the positions come from ERFA, the International Astronomical Union&apos;s SOFA routines.

Compare tab:
------------
Sets the current setup beside up to three saved ones, chosen in the &quot;Compare with:&quot; lists: telescope, sensor, focal ratio, resolving and separating power, sensor size, sampling, field, Jupiter and the Moon on the sensor on the Imaging tab&apos;s date, exposure limit on Jupiter and the deep-sky verdict for the seeing typed. &quot;Copy the results&quot; copies the table, its first line naming the setups.

Help tab:
---------
This page.

About tab:
----------
The program&apos;s version and contact address. The &quot;Start the program&quot; button opens the other tabs.


The configuration is saved in the file %1.
</translation>
    </message>
</context>
</TS>
