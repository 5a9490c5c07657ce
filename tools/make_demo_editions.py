#!/usr/bin/env python3
"""Writes the course files of the German and French demo editions into
data/de and data/fr (each with program/ and disc/).

The outputs are committed; run this again only after changing the tables below.
Files are CR LF line files. Polish text is Windows-1250 everywhere; the foreign
text is Windows-1250 in the German edition and Windows-1252 in the French one,
so a French course line carries both code pages, as the trainer reads it.
The help pages and the program's artwork are shared with the English edition:
the build copies and draws them into each edition's program folder.
"""

import os
import shutil

import make_demo_data as en

ROOT = en.ROOT
NOUN, ADJ, VERB, OTHER, SENTENCE = en.NOUN, en.ADJ, en.VERB, en.OTHER, en.SENTENCE
W, S = en.W, en.S


class Edition:
    def __init__(self, code, letter, language, title, caption, dictionary, disc_letter,
                 foreign_cp, groups, words, sentences, lessons, variants, sayings,
                 sayings_title, pictures, pictures_title, probes):
        self.__dict__.update(locals())
        del self.__dict__["self"]


GERMAN = Edition(
    code="de", letter="n", language=2, title="Tavolent Bodri 4.0",
    caption="Niemiecki - słownictwo", dictionary="Lexarin - słownik niemiecki",
    disc_letter="K", foreign_cp="cp1250",
    groups=[
        (1, "dom", "Dom i mieszkanie", "Pomieszczenia, meble i życie w domu"),
        (2, "jedzenie", "Jedzenie i picie", "Produkty, posiłki i w restauracji"),
        (3, "podroze", "Podróże", "Środki transportu, dworzec, lotnisko, hotel"),
    ],
    words={
        1: [
            W("das Haus", "dom", 1, NOUN, "Häuser"),
            W("die Wohnung", "mieszkanie", 1, NOUN, "Wohnungen"),
            W("das Zimmer", "pokój", 1, NOUN, "Zimmer", "", "liczba mnoga bez zmian"),
            W("die Küche", "kuchnia", 1, NOUN, "Küchen"),
            W("das Bad", "łazienka", 1, NOUN, "Bäder", "das Badezimmer", "", "krótko; pełna forma: das Badezimmer"),
            W("das Schlafzimmer", "sypialnia", 2, NOUN, "Schlafzimmer"),
            W("das Fenster", "okno", 1, NOUN, "Fenster"),
            W("die Tür", "drzwi", 1, NOUN, "Türen", "", "po polsku tylko liczba mnoga: drzwi"),
            W("der Tisch", "stół", 1, NOUN, "Tische"),
            W("der Stuhl", "krzesło", 1, NOUN, "Stühle"),
            W("das Bett", "łóżko", 1, NOUN, "Betten"),
            W("der Schlüssel", "klucz", 1, NOUN, "Schlüssel", "", "liczba mnoga bez zmian"),
            W("der Garten", "ogród", 1, NOUN, "Gärten"),
            W("der Kühlschrank", "lodówka", 2, NOUN, "Kühlschränke", "", "złożenie: kühl (chłodny) + der Schrank (szafa)"),
            W("der Nachbar", "sąsiad", 2, NOUN, "Nachbarn", "", "", "mężczyzna; kobieta: die Nachbarin"),
            W("gemütlich", "przytulny", 2, ADJ),
            W("sauber", "czysty", 1, ADJ),
            W("wohnen", "mieszkać", 1, VERB, "", "", "ich wohne in Berlin - mieszkam w Berlinie"),
            W("aufräumen", "sprzątać", 2, VERB, "", "", "rozdzielnie złożony: ich räume auf"),
            W("oben", "na górze", 2, OTHER),
        ],
        2: [
            W("das Brot", "chleb", 1, NOUN, "Brote"),
            W("der Apfel", "jabłko", 1, NOUN, "Äpfel"),
            W("das Ei", "jajko", 1, NOUN, "Eier"),
            W("der Käse", "ser", 1, NOUN, "", "", "zwykle bez liczby mnogiej"),
            W("das Wasser", "woda", 1, NOUN, "", "", "zwykle bez liczby mnogiej"),
            W("die Milch", "mleko", 1, NOUN, "", "", "bez liczby mnogiej"),
            W("die Kartoffel", "ziemniak", 1, NOUN, "Kartoffeln"),
            W("die Tomate", "pomidor", 1, NOUN, "Tomaten"),
            W("das Fleisch", "mięso", 1, NOUN, "", "", "bez liczby mnogiej"),
            W("der Fisch", "ryba", 1, NOUN, "Fische"),
            W("das Messer", "nóż", 2, NOUN, "Messer", "", "liczba mnoga bez zmian"),
            W("der Löffel", "łyżka", 2, NOUN, "Löffel", "", "liczba mnoga bez zmian"),
            W("das Frühstück", "śniadanie", 1, NOUN, "Frühstücke", "", "zum Frühstück - na śniadanie"),
            W("die Rechnung", "rachunek", 2, NOUN, "Rechnungen", "", "", "w restauracji"),
            W("süß", "słodki", 1, ADJ),
            W("lecker", "pyszny/smaczny", 1, ADJ, "", "schmackhaft"),
            W("essen", "jeść", 1, VERB, "", "", "nieregularny: du isst, er isst; aß, gegessen"),
            W("trinken", "pić", 1, VERB, "", "", "nieregularny: trank, getrunken"),
            W("kochen", "gotować", 1, VERB),
            W("Guten Appetit", "smacznego", 2, OTHER),
        ],
        3: [
            W("der Zug", "pociąg", 1, NOUN, "Züge"),
            W("der Bus", "autobus", 1, NOUN, "Busse"),
            W("das Flugzeug", "samolot", 1, NOUN, "Flugzeuge"),
            W("die Fahrkarte", "bilet", 1, NOUN, "Fahrkarten", "das Ticket"),
            W("der Bahnhof", "dworzec", 1, NOUN, "Bahnhöfe"),
            W("der Flughafen", "lotnisko", 1, NOUN, "Flughäfen"),
            W("der Koffer", "walizka", 2, NOUN, "Koffer", "", "liczba mnoga bez zmian"),
            W("der Pass", "paszport", 1, NOUN, "Pässe", "der Reisepass"),
            W("die Reise", "podróż", 2, NOUN, "Reisen", "", "eine Reise machen - odbyć podróż"),
            W("das Hotel", "hotel", 1, NOUN, "Hotels"),
            W("das Gepäck", "bagaż", 2, NOUN, "", "", "bez liczby mnogiej"),
            W("die Straße", "ulica", 1, NOUN, "Straßen", "", "w Szwajcarii pisane: Strasse"),
            W("reisen", "podróżować", 1, VERB),
            W("fahren", "jechać", 1, VERB, "", "", "nieregularny: du fährst; fuhr, ist gefahren"),
            W("fliegen", "lecieć/latać", 1, VERB, "", "", "nieregularny: flog, ist geflogen"),
            W("ankommen", "przyjeżdżać/przybywać", 2, VERB, "", "", "rozdzielnie złożony: der Zug kommt an"),
            W("billig", "tani", 1, ADJ),
            W("teuer", "drogi", 1, ADJ),
            W("links", "w lewo/po lewej", 1, OTHER),
            W("geradeaus", "prosto", 2, OTHER),
        ],
    },
    sentences={
        1: [
            S("Wir wohnen in einer kleinen <Wohnung>.", "mieszkanie",
              "Mieszkamy w małym mieszkaniu.", "Wohnung", "",
              "Küche/Garten/Zimmer/Wohnung", 1, ["die Wohnung", "wohnen"]),
            # Found from das Haus by its link alone: the text holds no "haus".
            S("Die <Häuser> in unserer Straße sind sehr alt.", "domy",
              "Domy na naszej ulicy są bardzo stare.", "Häuser", "das Haus - die Häuser",
              "Haus/Hauses/Hausen/Häuser", 2, ["das Haus", "die Straße"]),
            S("Mach bitte das <Fenster> zu, es ist kalt.", "okno",
              "Zamknij proszę okno, jest zimno.", "Fenster", "",
              "Tür/Tisch/Bett/Fenster", 1, ["das Fenster"]),
            S("Ich kann meinen <Schlüssel> nicht finden.", "klucza",
              "Nie mogę znaleźć mojego klucza.", "Schlüssel", "",
              "Schlüsseln/Schloss/Stuhl/Schlüssel", 1, ["der Schlüssel"]),
            S("Unser <Haus> hat einen schönen Garten.", "dom",
              "Nasz dom ma piękny ogród.", "Haus", "",
              "Wohnung/Zimmer/Küche/Haus", 1, ["das Haus", "der Garten"]),
            S("Du musst dein Zimmer <aufräumen>.", "posprzątać",
              "Musisz posprzątać swój pokój.", "aufräumen", "müssen + bezokolicznik na końcu",
              "aufräumt/räumst auf/aufgeräumt/aufräumen", 2, ["aufräumen", "das Zimmer"]),
            S("In der <Küche> steht ein großer <Tisch>.", "kuchnia, stół",
              "W kuchni stoi duży stół.", "Küche#Tisch", "",
              "Küchen...Tische/Kuche...Tisch/Küche...Tische/Küche...Tisch", 1,
              ["die Küche", "der Tisch"]),
        ],
        2: [
            S("Ich esse jeden Morgen einen <Apfel>.", "jabłko",
              "Każdego ranka zjadam jabłko.", "Apfel", "",
              "Äpfel/Apfels/Brot/Apfel", 1, ["der Apfel", "essen"]),
            S("Möchtest du ein Glas <Wasser>?", "wody",
              "Czy chcesz szklankę wody?", "Wasser", "",
              "Milch/Brot/Käse/Wasser", 1, ["das Wasser"]),
            S("Meine Mutter <kocht> jeden Tag.", "gotuje",
              "Moja mama gotuje codziennie.", "kocht", "",
              "kochen/kochst/gekocht/kocht", 1, ["kochen"]),
            S("Die Suppe ist sehr <lecker>!", "pyszna",
              "Zupa jest bardzo pyszna!", "lecker/schmackhaft", "",
              "süß/teuer/sauber/lecker", 1, ["lecker"]),
            S("Die <Rechnung>, bitte!", "rachunek",
              "Poproszę rachunek!", "Rechnung", "",
              "Rechnungen/Karte/Löffel/Rechnung", 2, ["die Rechnung"]),
            S("Zum <Frühstück> trinke ich Kaffee mit <Milch>.", "śniadanie, mleko",
              "Na śniadanie piję kawę z mlekiem.", "Frühstück#Milch", "",
              "Fruhstück...Milk/Frühstücke...Milch/Frühstück...Milche/Frühstück...Milch", 1,
              ["das Frühstück", "die Milch", "trinken"]),
            # Found from der Löffel by its link alone: "Löffeln" is another word.
            S("Die Kinder essen die Suppe mit <Löffeln>.", "łyżkami",
              "Dzieci jedzą zupę łyżkami.", "Löffeln", "mit + celownik: mit den Löffeln",
              "Löffel/Löffels/Messern/Löffeln", 2, ["der Löffel", "essen"]),
            S("Wir brauchen zwei Kilo <Kartoffeln>.", "ziemniaków",
              "Potrzebujemy dwóch kilogramów ziemniaków.", "Kartoffeln", "",
              "Kartoffel/Kartoffels/Tomaten/Kartoffeln", 1, ["die Kartoffel"]),
        ],
        3: [
            S("Der <Zug> nach Berlin fährt um sechs Uhr ab.", "pociąg",
              "Pociąg do Berlina odjeżdża o szóstej.", "Zug", "",
              "Bus/Flug/Züge/Zug", 1, ["der Zug", "fahren"]),
            S("Was kostet eine <Fahrkarte> nach Wien?", "bilet",
              "Ile kosztuje bilet do Wiednia?", "Fahrkarte/Ticket", "",
              "Fahrkarten/Koffer/Reise/Fahrkarte", 1, ["die Fahrkarte"]),
            S("Vergiss deinen <Pass> nicht!", "paszportu",
              "Nie zapomnij paszportu!", "Pass/Reisepass", "",
              "Pässe/Passe/Koffer/Pass", 1, ["der Pass"]),
            S("Wir sind zwei Stunden zu früh am <Flughafen> angekommen.", "na lotnisko",
              "Przyjechaliśmy na lotnisko dwie godziny za wcześnie.", "Flughafen", "",
              "Bahnhof/Flugzeug/Flughäfen/Flughafen", 2, ["der Flughafen", "ankommen"]),
            S("Gehen Sie <geradeaus> und dann nach <links>.", "prosto, w lewo",
              "Proszę iść prosto, a potem w lewo.", "geradeaus#links", "",
              "gerade...link/geradeaus...linke/gerade aus...links/geradeaus...links", 2,
              ["geradeaus", "links"]),
            S("Das Hotel ist schön, aber sehr <teuer>.", "drogi",
              "Hotel jest ładny, ale bardzo drogi.", "teuer", "",
              "billig/teure/teuerer/teuer", 1, ["teuer", "das Hotel"]),
        ],
    },
    lessons=[
        ("Pierwsze słówka", ["das Haus", "die Küche", "der Kühlschrank", "der Schlüssel", "das Bett"]),
        ("W kuchni", ["die Küche", "der Löffel", "das Messer", "der Tisch", "der Stuhl"]),
    ],
    variants=[("ß", "ss"), ("gibt's", "gibt es"), ("geht's", "geht es")],
    sayings_title="Przysłowia niemieckie",
    sayings=[
        ("Übung macht den Meister.", "prz01.wav", "Praktyka czyni mistrza.",
         "Ćwicz codziennie, a słówka same wejdą do głowy."),
        ("Aller Anfang ist schwer.", "prz02.wav", "Każdy początek jest trudny.",
         "Nie zniechęcaj się na początku nauki."),
        ("Morgenstund hat Gold im Mund.", "prz03.wav", "Kto rano wstaje, temu Pan Bóg daje.",
         "Dosłownie: poranna godzina ma złoto w ustach."),
        ("Ende gut, alles gut.", "prz04.wav", "Wszystko dobre, co się dobrze kończy.",
         "Liczy się dobre zakończenie."),
        ("Wer rastet, der rostet.", "prz05.wav", "Kto stoi w miejscu, ten się cofa.",
         "Dosłownie: kto odpoczywa, ten rdzewieje."),
        ("Ohne Fleiß kein Preis.", "prz06.wav", "Bez pracy nie ma kołaczy.",
         "Dosłownie: bez pilności nie ma nagrody."),
    ],
    pictures_title="Obrazki - dom i podróże",
    pictures=[
        ("z21101", "Haus", "dom", "Ein Haus mit Garten - dom z ogrodem"),
        ("z21102", "Fenster", "okno", "Ein offenes Fenster - otwarte okno"),
        ("z21103", "Bus", "autobus", "Ein roter Bus - czerwony autobus"),
        ("z21104", "Zug", "pociąg", "Ein Zug am Bahnhof - pociąg na dworcu"),
        ("z21105", "Flugzeug", "samolot", "Ein Flugzeug am Himmel - samolot na niebie"),
        ("z21106", "Apfel", "jabłko", "Ein grüner Apfel - zielone jabłko"),
        ("z21107", "Koffer", "walizka", "Ein großer Koffer - duża walizka"),
        ("z21108", "Sonne", "słońce", "Die Sonne scheint - świeci słońce"),
    ],
    # The trainer looks for the first, the dictionary for the second.
    probes=[("z1", "40", "4005.jpg"), ("z1", "40", "4001.jpg")],
)

FRENCH = Edition(
    code="fr", letter="f", language=3, title="Tavolent Corvel 4.0",
    caption="Francuski - słownictwo", dictionary="Lexarin - słownik francuski",
    disc_letter="F", foreign_cp="cp1252",
    groups=[
        (1, "dom", "Dom i mieszkanie", "Pomieszczenia, meble i życie w domu"),
        (2, "jedzenie", "Jedzenie i picie", "Produkty, posiłki i w restauracji"),
        (3, "zdrowie", "Zdrowie i ciało", "Części ciała, choroby, u lekarza"),
    ],
    words={
        1: [
            W("la maison", "dom", 1, NOUN, "maisons"),
            W("l'appartement", "mieszkanie", 1, NOUN, "appartements"),
            W("la chambre", "pokój/sypialnia", 1, NOUN, "chambres"),
            W("la cuisine", "kuchnia", 1, NOUN, "cuisines"),
            W("la salle de bains", "łazienka", 2, NOUN, "salles de bains"),
            W("la fenêtre", "okno", 1, NOUN, "fenêtres"),
            W("la porte", "drzwi", 1, NOUN, "portes", "", "po polsku tylko liczba mnoga: drzwi"),
            W("la table", "stół", 1, NOUN, "tables"),
            W("la chaise", "krzesło", 1, NOUN, "chaises"),
            W("le lit", "łóżko", 1, NOUN, "lits"),
            W("la clé", "klucz", 1, NOUN, "clés", "la clef"),
            W("le jardin", "ogród", 1, NOUN, "jardins"),
            W("l'étagère", "półka", 2, NOUN, "étagères"),
            W("le voisin", "sąsiad", 2, NOUN, "voisins", "", "kobieta: la voisine"),
            W("confortable", "wygodny", 2, ADJ),
            W("propre", "czysty", 1, ADJ, "", "", "przed rzeczownikiem: własny (ma propre chambre)"),
            W("sale", "brudny", 1, ADJ),
            W("habiter", "mieszkać", 1, VERB, "", "", "j'habite en France - mieszkam we Francji"),
            W("ranger", "sprzątać/porządkować", 2, VERB),
            W("en haut", "na górze", 2, OTHER, "", "", "przeciwieństwo: en bas - na dole"),
        ],
        2: [
            W("le pain", "chleb", 1, NOUN, "pains"),
            W("la pomme", "jabłko", 1, NOUN, "pommes"),
            W("le fromage", "ser", 1, NOUN, "fromages"),
            W("l'eau", "woda", 1, NOUN, "eaux", "", "rodzaj żeński: l'eau minérale"),
            W("le lait", "mleko", 1, NOUN, "", "", "bez liczby mnogiej"),
            W("la pomme de terre", "ziemniak", 2, NOUN, "pommes de terre", "", "dosłownie: jabłko ziemi"),
            W("la tomate", "pomidor", 1, NOUN, "tomates"),
            W("la viande", "mięso", 1, NOUN, "viandes"),
            W("le poisson", "ryba", 1, NOUN, "poissons"),
            W("le couteau", "nóż", 2, NOUN, "couteaux", "", "liczba mnoga z -x"),
            W("la cuillère", "łyżka", 2, NOUN, "cuillères"),
            W("le petit déjeuner", "śniadanie", 1, NOUN, "petits déjeuners"),
            W("l'addition", "rachunek", 2, NOUN, "additions", "", "rodzaj żeński; w restauracji"),
            W("le gâteau", "ciasto", 1, NOUN, "gâteaux", "", "liczba mnoga z -x"),
            W("sucré", "słodki", 1, ADJ),
            W("délicieux", "pyszny/smaczny", 1, ADJ, "", "bon"),
            W("manger", "jeść", 1, VERB, "", "", "nous mangeons - z -e- przed -ons"),
            W("boire", "pić", 1, VERB, "", "", "nieregularny: je bois, nous buvons"),
            W("cuisiner", "gotować", 1, VERB, "", "faire la cuisine"),
            W("bon appétit", "smacznego", 2, OTHER),
        ],
        3: [
            W("la tête", "głowa", 1, NOUN, "têtes", "", "avoir mal - boleć"),
            W("la main", "ręka/dłoń", 1, NOUN, "mains"),
            W("la jambe", "noga", 1, NOUN, "jambes"),
            W("le pied", "stopa", 1, NOUN, "pieds"),
            W("la dent", "ząb", 1, NOUN, "dents"),
            W("le dos", "plecy", 2, NOUN, "dos", "", "liczba mnoga bez zmian"),
            W("le médecin", "lekarz", 1, NOUN, "médecins", "le docteur"),
            W("l'hôpital", "szpital", 2, NOUN, "hôpitaux", "", "liczba mnoga: -aux"),
            W("le médicament", "lekarstwo", 2, NOUN, "médicaments"),
            W("la fièvre", "gorączka", 2, NOUN, "fièvres"),
            W("le rhume", "przeziębienie", 2, NOUN, "rhumes"),
            W("la pharmacie", "apteka", 1, NOUN, "pharmacies"),
            W("malade", "chory", 1, ADJ),
            W("fatigué", "zmęczony", 1, ADJ, "", "", "kobieta: fatiguée"),
            W("en bonne santé", "zdrowy", 2, ADJ),
            W("dormir", "spać", 1, VERB, "", "", "nieregularny: je dors, nous dormons"),
            W("avoir mal", "boleć", 2, VERB, "", "", "j'ai mal au dos - bolą mnie plecy"),
            W("se reposer", "odpoczywać", 2, VERB),
            W("bien", "dobrze", 1, OTHER),
            W("très", "bardzo", 1, OTHER),
        ],
    },
    sentences={
        1: [
            S("Nous habitons dans un petit <appartement>.", "mieszkaniu",
              "Mieszkamy w małym mieszkaniu.", "appartement", "",
              "jardin/chambre/cuisine/appartement", 1, ["l'appartement", "habiter"]),
            S("Ferme la <fenêtre>, s'il te plaît.", "okno",
              "Zamknij okno, proszę.", "fenêtre", "",
              "porte/table/chaise/fenêtre", 1, ["la fenêtre"]),
            S("Il y a une grande table dans la <cuisine>.", "kuchni",
              "W kuchni jest duży stół.", "cuisine", "il y a - jest, znajduje się",
              "chambre/salle/fenêtre/cuisine", 1, ["la cuisine", "la table"]),
            S("Je ne trouve pas mes <clés>.", "kluczy",
              "Nie mogę znaleźć moich kluczy.", "clés/clefs", "",
              "clé/portes/chaises/clés", 1, ["la clé"]),
            S("Tu dois <ranger> ta chambre.", "posprzątać",
              "Musisz posprzątać swój pokój.", "ranger", "",
              "range/rangé/rangeons/ranger", 2, ["ranger", "la chambre"]),
            S("Nos <voisins> ont un très beau jardin.", "sąsiedzi",
              "Nasi sąsiedzi mają bardzo piękny ogród.", "voisins", "",
              "voisin/voisines/voisinage/voisins", 2, ["le voisin", "le jardin", "très"]),
            S("Ma chambre est <en haut>, à côté de la <salle de bains>.", "na górze, łazienki",
              "Mój pokój jest na górze, obok łazienki.", "en haut#salle de bains", "",
              "en bas...cuisine/en haut...cuisine/en bas...salle de bains/en haut...salle de bains",
              2, ["en haut", "la salle de bains", "la chambre"]),
        ],
        2: [
            S("Je mange une <pomme> tous les matins.", "jabłko",
              "Każdego ranka zjadam jabłko.", "pomme", "",
              "pommes/poire/pain/pomme", 1, ["la pomme", "manger"]),
            S("Je bois du <lait> le matin.", "mleko",
              "Rano piję mleko.", "lait", "du - rodzajnik cząstkowy",
              "pain/eau/fromage/lait", 1, ["le lait", "boire"]),
            S("Ma mère <cuisine> tous les jours.", "gotuje",
              "Moja mama gotuje codziennie.", "cuisine", "",
              "cuisiner/cuisines/cuisiné/cuisine", 1, ["cuisiner"]),
            S("Ce gâteau est <délicieux>.", "pyszne",
              "To ciasto jest pyszne.", "délicieux/très bon", "",
              "sucré/sale/propre/délicieux", 1, ["délicieux", "le gâteau"]),
            S("Apportez-nous <l'addition>, s'il vous plaît.", "rachunek",
              "Proszę nam przynieść rachunek.", "l'addition", "",
              "le couteau/la cuillère/le poisson/l'addition", 2, ["l'addition"]),
            S("Au <petit déjeuner>, je bois du café au <lait>.", "śniadanie, mleko",
              "Na śniadanie piję kawę z mlekiem.", "petit déjeuner#lait", "",
              "petit déjeuné...lait/déjeuner...lait/petit déjeuner...laid/petit déjeuner...lait",
              1, ["le petit déjeuner", "le lait", "boire"]),
            S("Il faut un <couteau> pour couper le pain.", "nóż",
              "Do krojenia chleba potrzebny jest nóż.", "couteau", "",
              "cuillère/couteaux/verre/couteau", 2, ["le couteau", "le pain"]),
        ],
        3: [
            S("J'ai mal à la <tête>.", "głowa",
              "Boli mnie głowa.", "tête", "",
              "main/jambe/dent/tête", 1, ["la tête", "avoir mal"]),
            S("Tu devrais aller chez le <médecin>.", "lekarza",
              "Powinieneś pójść do lekarza.", "médecin/docteur", "",
              "pharmacie/hôpital/médicament/médecin", 1, ["le médecin"]),
            S("Prends ce <médicament> trois fois par jour.", "lekarstwo",
              "Bierz to lekarstwo trzy razy dziennie.", "médicament", "",
              "médecin/malade/rhume/médicament", 2, ["le médicament"]),
            S("Je suis très <fatigué>, je vais dormir.", "zmęczony",
              "Jestem bardzo zmęczony, idę spać.", "fatigué", "kobieta powie: fatiguée",
              "malade/fatigue/reposé/fatigué", 1, ["fatigué", "dormir", "très"]),
            S("Il a un <rhume> et de la <fièvre>.", "przeziębienie, gorączkę",
              "On jest przeziębiony i ma gorączkę.", "rhume#fièvre", "",
              "rume...fièvre/rhume...fiévre/rhumes...fièvres/rhume...fièvre", 2,
              ["le rhume", "la fièvre"]),
            S("Aujourd'hui, je ne me sens pas <bien>.", "dobrze",
              "Dziś nie czuję się dobrze.", "bien", "",
              "bon/mal/beau/bien", 1, ["bien"]),
        ],
    },
    lessons=[
        ("Pierwsze słówka", ["la maison", "la fenêtre", "l'étagère", "la clé", "le lit"]),
        ("W kuchni", ["la cuisine", "la cuillère", "le couteau", "la table", "la chaise"]),
    ],
    variants=[("clé", "clef")],
    sayings_title="Przysłowia francuskie",
    # The saying and its description are shown in the foreign text's character
    # set, so the descriptions are French; the translation is Polish.
    sayings=[
        ("Petit à petit, l'oiseau fait son nid.", "prz01.wav",
         "Ziarnko do ziarnka, a zbierze się miarka.", "Avec de la patience, on arrive à tout."),
        ("C'est en forgeant qu'on devient forgeron.", "prz02.wav", "Praktyka czyni mistrza.",
         "On apprend en pratiquant."),
        ("Mieux vaut tard que jamais.", "prz03.wav", "Lepiej późno niż wcale.",
         "Il n'est jamais trop tard."),
        ("L'habit ne fait pas le moine.", "prz04.wav", "Nie szata zdobi człowieka.",
         "Il ne faut pas juger sur l'apparence."),
        ("Qui vivra verra.", "prz05.wav", "Pożyjemy, zobaczymy.", "L'avenir le dira."),
        ("Après la pluie, le beau temps.", "prz06.wav", "Po burzy przychodzi słońce.",
         "Les mauvais moments passent."),
    ],
    pictures_title="Obrazki - dom i pogoda",
    # Captions are shown in the Polish character set: French words without
    # letters that differ between the two.
    pictures=[
        ("z21101", "maison", "dom", "Une maison avec un jardin - dom z ogrodem"),
        ("z21102", "bus", "autobus", "Un bus rouge - czerwony autobus"),
        ("z21103", "train", "pociąg", "Un train en gare - pociąg na stacji"),
        ("z21104", "pomme", "jabłko", "Une pomme verte - zielone jabłko"),
        ("z21105", "soleil", "słońce", "Le soleil brille - świeci słońce"),
        ("z21106", "pluie", "deszcz", "Il pleut - pada deszcz"),
        ("z21107", "neige", "śnieg", "La neige en hiver - śnieg zimą"),
        ("z21108", "fleur", "kwiat", "Une fleur rouge - czerwony kwiat"),
    ],
    probes=[("", "", "tst.txt")],
)

GROUP_TITLES = en.GROUP_TITLES


def encode_line(template, texts, foreign_cp):
    """A line written from `template` (Polish, Windows-1250) with the
    placeholders {0}, {1} ... replaced by (text, is_foreign) pairs."""
    out = b""
    rest = template
    for k, (text, foreign) in enumerate(texts):
        before, _, rest = rest.partition("\x00%d\x00" % k)
        out += before.encode("cp1250") + text.encode(foreign_cp if foreign else "cp1250")
    return out + rest.encode("cp1250")


def write_bytes(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in lines))


def item_line(e, group, ident, level, kind, foreign, fields, foreign_fields):
    """A course line; the foreign text and the fields listed in `foreign_fields`
    are in the edition's foreign code page."""
    texts = [(foreign, True)] + [(f, i in foreign_fields) for i, f in enumerate(fields)]
    template = en.item_line(group, False, ident, level, kind, "\x000\x00",
                            ["\x00%d\x00" % (i + 1) for i in range(len(fields))])
    return encode_line(template, texts, e.foreign_cp)


def find_word(words, ref):
    hits = [i for _, i, w in words if w[0] == ref]
    assert len(hits) == 1, ref
    return hits[0]


def write_edition(e):
    base = os.path.join(ROOT, "data", e.code)
    program = os.path.join(base, "program")
    disc = os.path.join(base, "disc")
    pl = lambda name, lines: en.write(os.path.join(program, name), lines)

    pl("ts40.ini", ["[ts40]", "cd=../disc/"])
    pl("tavo_sk.txt", [e.title, str(e.language), "1", e.caption, "wersja demonstracyjna", "0",
                       "wersja demonstracyjna", e.dictionary])
    variants = [encode_line("\x000\x00=\x001\x00", [(k, True), (v, True)], e.foreign_cp)
                for k, v in e.variants]
    write_bytes(os.path.join(program, "ss_sk.t"), variants)
    write_bytes(os.path.join(program, "ss.t"), variants)
    pl(f"gt{e.letter}_s.txt", [f"{n} = 1 = {key} = {name} = {desc} =" for n, key, name, desc in e.groups])

    words = []
    for g, _, _, _ in e.groups:
        for n, w in enumerate(e.words[g], 1):
            words.append((g, (g - 1) * en.IDS_PER_GROUP + n, w))
    lines = []
    for g, ident, (fg, pol, lvl, kind, plural, syn, note, hint) in words:
        rec = str(en.WORD_RECORDING_BASE + ident)
        lines.append(item_line(e, g, ident, lvl, kind, fg, [pol, plural, syn, note, rec, "", hint, ""], {1, 2}))
    write_bytes(os.path.join(program, f"sb{e.letter}_slow.txt"), lines)

    sentences = []
    for g, _, _, _ in e.groups:
        for s in e.sentences[g]:
            sentences.append((g, en.SENTENCE_ID_BASE + len(sentences) + 1, s))
    lines, links = [], []
    for g, ident, (fg, gap_pl, pol, answers, note, options, lvl, refs) in sentences:
        assert fg.count("<") == fg.count(">") == answers.count("#") + 1, fg
        assert len(options.split("/")) == 4, fg
        rec = str(en.SENTENCE_RECORDING_BASE + ident - en.SENTENCE_ID_BASE)
        lines.append(item_line(e, g, ident, lvl, SENTENCE, fg,
                               [gap_pl, pol, answers, note, options, rec, "", ""], {2, 4}))
        links += [(find_word(words, r), ident) for r in refs]
    write_bytes(os.path.join(program, f"zd{e.letter}.txt"), lines)
    pl(f"conec{e.letter}.txt", [f"{w} = {s} =" for w, s in links])

    ex = []
    for g, _, name, _ in e.groups:
        ids = [(i, w) for gg, i, w in words if gg == g]
        for cat, pick in ((1, [i for i, w in ids if w[2] == 1]), (2, [i for i, w in ids if w[2] > 1]),
                          (3, [i for i, _ in ids])):
            ex.append(f"7=0{g:02d}-{cat}={name} - {GROUP_TITLES[cat]}" + en.cells(pick))
        ex.append(f"8=1{g:02d}-2={name} - zdania" + en.cells([i for gg, i, _ in sentences if gg == g]))
    for k, (title, refs) in enumerate(e.lessons, 1):
        ex.append(f"7=001-1-{k:02d}={title}" + en.cells([find_word(words, r) for r in refs]))
    pl(f"cw{e.letter}_s.txt", ex)

    pl("b1.txt", [e.sayings_title, "sent1", "przyslowia.txt", "2"])
    pl("b2.txt", [e.pictures_title, "zd1", "obrazki1.txt", "2"])
    pl("b3.txt", ["Kojarzenie słówek", "koj", "", "3"])
    write_bytes(os.path.join(program, "przyslowia.txt"), [
        encode_line("\x000\x00 = \x001\x00 = \x002\x00 = \x003\x00",
                    [(saying, True), (rec, False), (pol, False), (desc, True)], e.foreign_cp)
        for saying, rec, pol, desc in e.sayings])
    pl("obrazki1.txt", [f"{code}={fg}={pol}={caption}=" for code, fg, pol, caption in e.pictures])

    pl_disc = lambda name, lines: en.write(os.path.join(disc, name), lines)
    pl_disc("p.txt", ["P" + e.disc_letter, e.title + " - płyta 2 (wersja demonstracyjna)"])
    english_probe = os.path.join(en.DISC, "bsslow3", "z2", "10", "1001.jpg")
    for a, b, name in e.probes:
        path = os.path.join(disc, "bsslow3", a, b, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if name.endswith(".jpg"):
            shutil.copyfile(english_probe, path)
        else:
            pl_disc(os.path.relpath(path, disc), [e.title + " - plik kontrolny płyty"])


def main():
    for e in (GERMAN, FRENCH):
        write_edition(e)


if __name__ == "__main__":
    main()
