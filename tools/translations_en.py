#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills translations/quarvel_en.ts with the English texts below, after
`make translations` (lupdate) has brought its French sources up to date.
Texts that stay the same in English (names, units, numbers) are copied.
Usage: tools/translations_en.py translations/quarvel_en.ts"""
import sys
import xml.etree.ElementTree as ET

HELP = """Quarvel computes, for a given instrument and sensor, the figures that matter for astronomical imaging.

The row of tabs at the top leads to the program's pages. The row of buttons at the bottom clears the fields of the page shown ("Clear fields", on the Settings, Calculations and Imaging pages), reloads the saved configuration ("Load config"), saves it ("Save config") and quits the program ("Quit"). The configuration is loaded and saved from the Settings tab.

Settings tab:
-------------
Type the instrument's aperture and focal length in millimetres, or choose a telescope from the "Telescopes" button's list, with a focal reducer or a Barlow lens if any. A focal length shown in italics means that a reducer or a Barlow lens is in use. Clicking into the aperture or focal length field starts a personal configuration; "Restore" goes back to the previous values. The chosen filter changes the resolving power.
The sensor list offers the main sensors, manual entry of the sensor's figures ("Manual entry"), the saved data, the list of cameras and the list of digital cameras. The keys S, C and P in the list lead to manual entry, to the cameras and to the digital cameras. In manual entry, give the pixel counts and the pixel size in microns; "Square pixels" copies the width into the height.
Your own equipment: in the telescope list, "Add…" saves the current aperture and focal length under a name; in the camera and digital camera lists, "Add…" saves the current sensor. They follow the others in the lists, marked ★, and "Remove" removes them after a confirmation. They are kept in the file Quarvel-equipements.ini, beside the configuration file, which can also be edited by hand while the program is closed: one section per item, [Capteur name] with LargeurPixels, HauteurPixels, TaillePixelX and TaillePixelY (in microns), [Caméra name] with Capteur, [APN name] with LargeurPixels, HauteurPixels and TaillePixel, [Télescope name] with Diamètre and Focale (in mm), numbers with a decimal point.
The program shows the focal ratio, the resolving and separating power, the sensor size, the sampling and the field of view.

Sensor drawing tab:
-------------------
Compares the size of the chosen sensor with a 24 x 36 mm film frame.

Calculations tab:
-----------------
Type the X and Y coordinates of two objects measured on an image: the program gives their separation in pixels and in arc-seconds. With "Separation entry" at "Yes", type the known separation of the two objects: the program gives the real focal length of the image.

Imaging tab:
------------
In planetary imaging, choose the object: the program gives its apparent diameter on the date shown, its size on the sensor, the optimal focal ratio and, for the planets, the longest exposure before the planet's rotation blurs the image. A click on "Apparent diameter" switches the Sun's and the Moon's diameter between arc-seconds and arc-minutes. The "Change date" button opens a calendar; a right click on that button takes today's date.
In deep-sky imaging, the program gives the current sampling, the finest useful sampling and the focal length that gives the sampling chosen with the slider.

Planet drawing tab:
-------------------
Draws the chosen object to the sensor's scale. A right click on the object's name chooses another one; for the MT9M001 sensor, a right click on the drawing chooses a region of interest.

Photo tab:
----------
Shows the sensor's field over photographs of deep-sky objects. A right click on the object's name chooses another photograph.
Photographs taken from Stellarium's deep-sky textures: M 13 (Starhopper), M 27 (Stéphane Dumont), M 31 and M 45 (HG731GZ, Herm Perez), M 42 (HG731GZ, Stéphane Dumont), NGC 7331 (Peter Vasey, Plover Hill Observatory). The credits and licences in full are in the file images/CREDITS.

Help tab:
---------
This page.

About tab:
----------
The program's version and contact address. The "Start the program" button opens the other tabs.


The configuration is saved in the file %1.
"""

EN = {
    " Capteur ": " Sensor ",
    " Données ": " Results ",
    " Filtre ": " Filter ",
    " Instrument ": " Instrument ",
    " Nombre de pixels ": " Pixel count ",
    " Objets ": " Objects ",
    " Planète ": " Planet ",
    " Sauver la configuration ": " Save the configuration ",
    " Taille des pixels (en µ) ": " Pixel size (in µ) ",
    "%1, colonne \"%2\" absente": "%1, column \"%2\" missing",
    "%1, fichier illisible": "%1, unreadable file",
    "%1, ligne %2, [%3] : %4": "%1, line %2, [%3]: %4",
    "%1, ligne(s) %2": "%1, line(s) %2",
    "'%1' n'est pas une valeur en virgule flottante correcte": "'%1' is not a valid floating point value",
    "'%1' n'est pas une valeur entière correcte": "'%1' is not a valid integer value",
    "(Aucun)": "(None)",
    "(Configuration personnelle)": "(Personal configuration)",
    "(Double-cliquer sur l'adresse email pour envoyer un message)": "(Double-click the address to send a message)",
    "A propos": "About",
    "Accéder aux onglets du programme": "Open the program's tabs",
    "Aide": "Help",
    "Ajouter le capteur actuel comme appareil photo personnel": "Add the current sensor as your own digital camera",
    "Ajouter le capteur actuel comme caméra personnelle": "Add the current sensor as your own camera",
    "Ajouter le diamètre et la focale actuels comme télescope personnel": "Add the current aperture and focal length as your own telescope",
    "Ajouter…": "Add…",
    "Annuler": "Cancel",
    "Appareils photos numériques": "Digital cameras",
    "Aucun": "None",
    "Aujourd'hui": "Today",
    "Autre": "Other",
    "Bleu (445 nm)": "Blue (445 nm)",
    "Calculs": "Calculations",
    "Caméras": "Cameras",
    "Capteur": "Sensor",
    "Champ": "Field",
    "Champ :": "Field:",
    "Champ photo": "Photo field",
    "Changer date": "Change date",
    "Changer la date ; un clic droit prend la date du jour": "Change the date; a right click takes today's date",
    "Charge config": "Load config",
    "Choisir un appareil photo numérique dans la liste": "Choose a digital camera from the list",
    "Choisir un télescope et un réducteur ou multiplicateur de focale": "Choose a telescope and a focal reducer or Barlow lens",
    "Choisir une caméra dans la liste de caméras": "Choose a camera from the list of cameras",
    "Ciel profond": "Deep sky",
    "Clic droit pour choisir une autre photographie": "Right click to choose another photograph",
    "Cliquer pour passer des secondes aux minutes d'arc (Soleil et Lune)": "Click to switch between arc-seconds and arc-minutes (Sun and Moon)",
    "Coef. multiplicateur": "Multiplier",
    "Coef. multiplicateur à appliquer": "Multiplier to apply",
    "Dessin capteur": "Sensor drawing",
    "Dessin planète": "Planet drawing",
    "Diagonale": "Diagonal",
    "Diam. app. des anneaux": "Rings' app. diam.",
    "Diamètre": "Aperture",
    "Diamètre Apparent": "Apparent diameter",
    "Diamètre sur le capteur": "Diameter on the sensor",
    "Division par zéro en virgule flottante": "Floating point division by zero",
    "Données sauvegardées": "Saved data",
    "Double-cliquer pour envoyer un mail": "Double-click to send a mail",
    "Débordement d'entier": "Integer overflow",
    "Echantillonnage": "Sampling",
    "Echantillonnage actuel": "Current sampling",
    "Echantillonnage maxi": "Finest sampling",
    "Echantillonnage souhaité": "Wanted sampling",
    "Effacer champs": "Clear fields",
    "Effacer les champs de la page affichée": "Clear the fields of the page shown",
    "Erreur de vérification d'étendue": "Range check error",
    "Erreur inattendue : %1": "Unexpected error: %1",
    "Facteur :": "Factor:",
    "Facteur de suréchantillonnage": "Oversampling factor",
    "Fermer sans rien changer": "Close without changing anything",
    "Fichier de plus de 1 Mo : valeurs par défaut utilisées": "File larger than 1 MB: default values used",
    "Focale": "Focal length",
    "Focale (mm) :": "Focal length (mm):",
    "Focale actuelle": "Current focal length",
    "Focale maxi": "Focal length for it",
    "Focale à appliquer": "Focal length to use",
    "Hauteur": "Height",
    "Image bitmap incorrecte": "Invalid bitmap image",
    "Imagerie": "Imaging",
    "Imageur :": "Camera:",
    "Impossible d'ouvrir le fichier \"%1\". %2": "Cannot open file \"%1\". %2",
    "Impossible d'écrire dans %1": "Cannot write to %1",
    "Indice de liste hors limites (%1)": "List index out of bounds (%1)",
    "Jaune (570 nm)": "Yellow (570 nm)",
    "Lancer le programme": "Start the program",
    "Largeur": "Width",
    "Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul": "The saved sensor is incomplete: a pixel count or size is empty or zero",
    "Le projet Quarvel": "The Quarvel project",
    "Liste appareils photos numériques": "Digital camera list",
    "Liste caméras": "Camera list",
    "Liste d'appareils photos numériques": "List of digital cameras",
    "Liste de caméras": "List of cameras",
    "Lune": "Moon",
    "Mémoire insuffisante": "Out of memory",
    "Nom :": "Name:",
    "Non": "No",
    "Nouvel équipement": "New equipment",
    "Nouvelle date": "New date",
    "Objet 1": "Object 1",
    "Objet 2": "Object 2",
    "Opération en virgule flottante incorrecte": "Invalid floating point operation",
    "Oui": "Yes",
    "Paramètrage": "Settings",
    "Pixel carré": "Square pixels",
    "Planétaire": "Planetary",
    "Pléiades": "Pleiades",
    "Pour un échantillonnage = 1/2 pouvoir séparateur théorique ": "For a sampling of half the theoretical separating power ",
    "Pouvoir Résolvant": "Resolving power",
    "Pouvoir Séparateur": "Separating power",
    "Quarvel est un logiciel libre : vous pouvez le copier et le distribuer librement. Il est fourni tel quel, sans aucune garantie.\n\nVos remarques et suggestions sont les bienvenues à l'adresse ci-dessous.":
        "Quarvel is free software: you may copy and distribute it freely. It comes as it is, without any warranty.\n\nYour remarks and suggestions are welcome at the address below.",
    "Quitter": "Quit",
    "Quitter le programme": "Quit the program",
    "Rapport f/D": "Focal ratio",
    "Relire la configuration sauvegardée": "Reload the saved configuration",
    "Rouge (700 nm)": "Red (700 nm)",
    "Réducteur / Multiplicateur de focale": "Focal reducer / Barlow lens",
    "Réelle": "Real",
    "Rétablir": "Restore",
    "Saisie manuelle": "Manual entry",
    "Saisie séparation": "Separation entry",
    "Saisir les coordonnées X et Y relevées sur l'image": "Type the X and Y coordinates measured on the image",
    "Saturne": "Saturn",
    "Sauve config": "Save config",
    "Sauvegarder l'instrument et le capteur": "Save the instrument and the sensor",
    "Secondes d'arc": "Arc-seconds",
    "Soleil": "Sun",
    "Supprimer": "Remove",
    "Supprimer %1 de vos équipements ?": "Remove %1 from your equipment?",
    "Supprimer un télescope personnel (marqué ★)": "Remove one of your own telescopes (marked ★)",
    "Supprimer un équipement personnel (marqué ★)": "Remove one of your own items (marked ★)",
    "Séparation :": "Separation:",
    "Taille du capteur (en mm)": "Sensor size (in mm)",
    "Telescopes": "Telescopes",
    "Temps de pose limite": "Exposure limit",
    "Théorique": "Theoretical",
    "Tolérance de bougé": "Blur tolerance",
    "Turbulence faible": "Low turbulence",
    "Turbulence normale": "Normal turbulence",
    "Type d'imagerie": "Kind of imaging",
    "Télescopes": "Telescopes",
    "Valeur calculée pour le": "Value computed for",
    "Valeur manuelle": "Manual value",
    "Valeur à diviser par le nombre de filtres utilisés pour l'imagerie RVB ou LRVB": "Value to divide by the number of filters used for RGB or LRGB imaging",
    "Valider et fermer": "Confirm and close",
    "Vert (535 nm)": "Green (535 nm)",
    "capteur \"%1\" inconnu": "unknown sensor \"%1\"",
    "exception inconnue": "unknown exception",
    "f/d actuel": "Current f/d",
    "f/d optimal": "Optimal f/d",
    "l'appareil photo « %1 »": "the digital camera “%1”",
    "la caméra « %1 »": "the camera “%1”",
    "le télescope « %1 »": "the telescope “%1”",
    "secondes": "seconds",
    "valeurs %1 absentes ou incorrectes": "values %1 missing or invalid",
    "« %1 » : capteur incomplet": "“%1”: incomplete sensor",
    "« %1 » : diamètre ou focale manquant": "“%1”: aperture or focal length missing",
    "« %1 » : nom déjà dans les listes": "“%1”: name already in the lists",
    "« %1 » : nom incorrect": "“%1”: invalid name",
    "Équipement ignoré : %1": "Equipment skipped: %1",
}
# Names, units and numbers read the same in English.
SAME = {"Jupiter", "Mars", "Pixel", "Pixels", "Pixels /", "Quarvel", "X", "Y", "mm", "x", "OK", "Full frame",
        "quarvel@example.org", "Version 1.0.0", "\" / pixel", "\"/pixel", "... x ... mm", "24 mm", "24 x 36 mm",
        "36 mm", "M 31 (5°)", "M13 (1°)", "M27 (15')", "M31 (5°)", "M42 (2°)", "M45 (2°30')", "NGC7331 (30')",
        "0.33 x", "0.5 x", "0.73 x", "0.8 x", "1.6 x", "2 x", "2.5 x", "2.7 x", "3 x", "4 x", "5 x",
        "1024 x 768", "320 x 240", "400 x 400", "640 x 480", "800 x 600", "IR (850 nm)", "IR 1000 (1000 nm)",
        "IR 685 (685 nm)", "IR 742 (742 nm)", "IR 807 (807 nm)", "Orange (600 nm)", "UV (350 nm)"}

def english(source):
    if source in EN:
        return EN[source]
    if source in SAME:
        return source
    if source.startswith("Quarvel calcule, pour un instrument"):
        return HELP
    return None

def main():
    path = sys.argv[1]
    tree = ET.parse(path)
    missing = []
    for message in tree.iter('message'):
        translation = message.find('translation')
        if translation.get('type') in ('vanished', 'obsolete'):
            continue
        text = english(message.findtext('source'))
        if text is None:
            missing.append(message.findtext('source'))
            continue
        translation.text = text
        translation.attrib.pop('type', None)
    tree.write(path, encoding='utf-8', xml_declaration=True)
    for source in missing:
        print('no English for:', repr(source), file=sys.stderr)
    return 1 if missing else 0

sys.exit(main())
