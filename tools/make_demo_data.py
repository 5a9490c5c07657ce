#!/usr/bin/env python3
"""Writes the course files of the English demo edition into data/program and data/disc.

The outputs are committed; run this again only after changing the tables below.
Every file is Windows-1250 with CR LF line ends, as the trainer expects.
"""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
PROGRAM = os.path.join(ROOT, "data", "program")
DISC = os.path.join(ROOT, "data", "disc")

NOUN, ADJ, VERB, OTHER, SENTENCE = 1, 2, 3, 4, 5

# Recording numbers: words 1000 + ID, sentences 2000 + (ID - 60000).
WORD_RECORDING_BASE = 1000
SENTENCE_RECORDING_BASE = 2000
SENTENCE_ID_BASE = 60000
IDS_PER_GROUP = 25

# (number, short key, name, description)
GROUPS = [
    (1, "dom", "Dom i mieszkanie", "Pomieszczenia, meble i życie w domu"),
    (2, "jedzenie", "Jedzenie i picie", "Produkty, posiłki i w restauracji"),
    (3, "podroze", "Podróże", "Środki transportu, dworzec, lotnisko, hotel"),
    (4, "praca", "Praca i szkoła", "Biuro, nauka i zarabianie"),
    (5, "rodzina", "Rodzina i ludzie", "Członkowie rodziny i opis ludzi"),
    (6, "czas_wolny", "Czas wolny", "Hobby, rozrywka i sport"),
    (7, "zdrowie", "Zdrowie i ciało", "Części ciała, choroby, u lekarza"),
    (8, "pogoda", "Pogoda i przyroda", "Pogoda, pory roku i krajobraz"),
]

# Per group, 25 words in ID order: (foreign, Polish, level, kind, plural, synonyms, note, hint).
W = lambda en, pl, lvl, kind, plural="", syn="", note="", hint="": (en, pl, lvl, kind, plural, syn, note, hint)

WORDS = {
    1: [
        W("house", "dom", 1, NOUN, "houses"),
        W("flat", "mieszkanie", 1, NOUN, "flats", "apartment", "BrE; w AmE: apartment"),
        W("room", "pokój", 1, NOUN, "rooms"),
        W("kitchen", "kuchnia", 1, NOUN, "kitchens"),
        W("bathroom", "łazienka", 1, NOUN, "bathrooms"),
        W("bedroom", "sypialnia", 1, NOUN, "bedrooms"),
        W("living room", "salon/pokój dzienny", 2, NOUN, "living rooms", "sitting room/lounge"),
        W("window", "okno", 1, NOUN, "windows"),
        W("door", "drzwi", 1, NOUN, "doors", "", "po polsku tylko liczba mnoga: drzwi"),
        W("table", "stół", 1, NOUN, "tables"),
        W("chair", "krzesło", 1, NOUN, "chairs"),
        W("bed", "łóżko", 1, NOUN, "beds"),
        W("floor", "podłoga/piętro", 2, NOUN, "floors", "", "on the first floor - na pierwszym piętrze (BrE)"),
        W("wall", "ściana", 1, NOUN, "walls"),
        W("garden", "ogród", 1, NOUN, "gardens", "", "AmE: yard"),
        W("key", "klucz", 1, NOUN, "keys"),
        W("comfortable", "wygodny", 2, ADJ, "", "", "stopniowanie: more comfortable, the most comfortable"),
        W("clean", "czysty", 1, ADJ),
        W("dirty", "brudny", 1, ADJ),
        W("live", "mieszkać/żyć", 1, VERB, "", "", "live in a flat - mieszkać w mieszkaniu"),
        W("tidy up", "sprzątać", 2, VERB, "", "clean", "tidy up your room - posprzątaj pokój"),
        W("rent", "wynajmować", 2, VERB, "", "", "rzeczownik rent - czynsz"),
        W("upstairs", "na górze/na piętrze", 2, OTHER),
        W("downstairs", "na dole/na parterze", 2, OTHER),
        W("neighbour", "sąsiad", 2, NOUN, "neighbours", "neighbor", "AmE: neighbor"),
    ],
    2: [
        W("bread", "chleb", 1, NOUN, "", "", "niepoliczalny: a loaf of bread - bochenek chleba"),
        W("apple", "jabłko", 1, NOUN, "apples"),
        W("egg", "jajko", 1, NOUN, "eggs"),
        W("cheese", "ser", 1, NOUN, "", "", "niepoliczalny: a piece of cheese - kawałek sera"),
        W("water", "woda", 1, NOUN, "", "", "niepoliczalny: a glass of water - szklanka wody"),
        W("milk", "mleko", 1, NOUN, "", "", "niepoliczalny"),
        W("potato", "ziemniak", 1, NOUN, "potatoes", "", "liczba mnoga z -es"),
        W("tomato", "pomidor", 1, NOUN, "tomatoes", "", "liczba mnoga z -es"),
        W("vegetable", "warzywo", 2, NOUN, "vegetables"),
        W("meat", "mięso", 1, NOUN, "", "", "niepoliczalny", "rzeczownik (nie czasownik meet)"),
        W("fish", "ryba", 1, NOUN, "fish", "", "liczba mnoga zwykle bez zmian: fish"),
        W("knife", "nóż", 2, NOUN, "knives", "", "liczba mnoga: knives"),
        W("breakfast", "śniadanie", 1, NOUN, "breakfasts", "", "have breakfast - jeść śniadanie"),
        W("dinner", "obiad/kolacja", 1, NOUN, "dinners", "", "główny posiłek dnia, zwykle wieczorem"),
        W("sweet", "słodki", 1, ADJ),
        W("hungry", "głodny", 1, ADJ),
        W("delicious", "pyszny/smaczny", 2, ADJ, "", "tasty"),
        W("eat", "jeść", 1, VERB, "", "", "nieregularny: ate, eaten"),
        W("drink", "pić", 1, VERB, "", "", "nieregularny: drank, drunk"),
        W("cook", "gotować", 1, VERB, "", "", "rzeczownik a cook - kucharz"),
        W("bill", "rachunek", 2, NOUN, "bills", "check", "w restauracji; AmE: check"),
        W("spoon", "łyżka", 1, NOUN, "spoons"),
        W("thirsty", "spragniony", 2, ADJ),
        W("salt", "sól", 1, NOUN, "", "", "niepoliczalny"),
        W("enjoy your meal", "smacznego", 2, OTHER, "", "", "dosłownie: ciesz się posiłkiem"),
    ],
    3: [
        W("train", "pociąg", 1, NOUN, "trains"),
        W("bus", "autobus", 1, NOUN, "buses"),
        W("plane", "samolot", 1, NOUN, "planes", "aeroplane/airplane"),
        W("ticket", "bilet", 1, NOUN, "tickets", "", "a return ticket - bilet powrotny"),
        W("station", "stacja/dworzec", 1, NOUN, "stations"),
        W("airport", "lotnisko", 1, NOUN, "airports"),
        W("suitcase", "walizka", 2, NOUN, "suitcases"),
        W("passport", "paszport", 1, NOUN, "passports"),
        W("map", "mapa", 1, NOUN, "maps"),
        W("journey", "podróż", 2, NOUN, "journeys", "trip", "journey - dłuższa podróż; trip - wycieczka"),
        W("luggage", "bagaż", 2, NOUN, "", "baggage", "niepoliczalny; AmE: baggage"),
        W("abroad", "za granicą/za granicę", 2, OTHER, "", "", "go abroad - wyjechać za granicę"),
        W("travel", "podróżować", 1, VERB),
        W("leave", "wyjeżdżać/odjeżdżać", 2, VERB, "", "", "nieregularny: left, left"),
        W("arrive", "przyjeżdżać/przybywać", 2, VERB, "", "", "arrive at the station, arrive in London"),
        W("book", "rezerwować", 2, VERB, "", "reserve", "book a room - zarezerwować pokój"),
        W("fly", "latać/lecieć", 1, VERB, "", "", "nieregularny: flew, flown"),
        W("late", "spóźniony/późny", 1, ADJ, "", "", "be late - spóźnić się"),
        W("early", "wcześnie", 1, OTHER),
        W("cheap", "tani", 1, ADJ),
        W("expensive", "drogi", 1, ADJ, "", "", "stopniowanie: more expensive, the most expensive"),
        W("left", "w lewo/lewy", 1, OTHER, "", "", "turn left - skręć w lewo"),
        W("right", "w prawo/prawy", 1, OTHER, "", "", "turn right - skręć w prawo", "przysłówek (nie czasownik write)"),
        W("straight on", "prosto", 2, OTHER, "", "straight ahead"),
        W("hotel", "hotel", 1, NOUN, "hotels"),
    ],
    4: [
        W("job", "praca/posada", 1, NOUN, "jobs", "", "job - konkretne stanowisko; work - praca w ogóle"),
        W("work", "pracować", 1, VERB, "", "", "work as a teacher - pracować jako nauczyciel"),
        W("office", "biuro", 1, NOUN, "offices"),
        W("boss", "szef", 1, NOUN, "bosses"),
        W("colleague", "kolega z pracy", 2, NOUN, "colleagues"),
        W("teacher", "nauczyciel", 1, NOUN, "teachers"),
        W("student", "student/uczeń", 1, NOUN, "students", "pupil"),
        W("lesson", "lekcja", 1, NOUN, "lessons"),
        W("homework", "praca domowa", 1, NOUN, "", "", "niepoliczalny: do your homework"),
        W("meeting", "spotkanie/zebranie", 2, NOUN, "meetings"),
        W("salary", "pensja", 3, NOUN, "salaries", "pay", "miesięczne wynagrodzenie"),
        W("computer", "komputer", 1, NOUN, "computers"),
        W("busy", "zajęty", 1, ADJ),
        W("difficult", "trudny", 1, ADJ, "", "hard"),
        W("easy", "łatwy", 1, ADJ),
        W("learn", "uczyć się", 1, VERB, "", "study", "learn - uczyć się; teach - uczyć kogoś"),
        W("teach", "uczyć (kogoś)", 2, VERB, "", "", "nieregularny: taught, taught"),
        W("write", "pisać", 1, VERB, "", "", "nieregularny: wrote, written", "czasownik (nie przysłówek right)"),
        W("read", "czytać", 1, VERB, "", "", "nieregularny: read, read (wymowa formy przeszłej jak red)"),
        W("earn", "zarabiać", 2, VERB, "", "", "earn money - zarabiać pieniądze"),
        W("apply for", "ubiegać się o", 3, VERB, "", "", "apply for a job - ubiegać się o pracę"),
        W("unemployed", "bezrobotny", 3, ADJ),
        W("experience", "doświadczenie", 3, NOUN, "", "", "w znaczeniu doświadczenia zawodowego niepoliczalny"),
        W("deadline", "ostateczny termin", 3, NOUN, "deadlines", "", "meet a deadline - zdążyć w terminie"),
        W("full-time", "na pełen etat", 3, OTHER, "", "", "work full-time; part-time - na część etatu"),
    ],
    5: [
        W("family", "rodzina", 1, NOUN, "families"),
        W("mother", "matka/mama", 1, NOUN, "mothers", "mum", "AmE: mom"),
        W("father", "ojciec/tata", 1, NOUN, "fathers", "dad"),
        W("brother", "brat", 1, NOUN, "brothers"),
        W("sister", "siostra", 1, NOUN, "sisters"),
        W("son", "syn", 1, NOUN, "sons", "", "", "rzeczownik, rodzina (nie sun)"),
        W("daughter", "córka", 1, NOUN, "daughters"),
        W("child", "dziecko", 1, NOUN, "children", "", "liczba mnoga nieregularna: children"),
        W("parent", "rodzic", 1, NOUN, "parents"),
        W("grandmother", "babcia", 1, NOUN, "grandmothers", "grandma/granny"),
        W("husband", "mąż", 1, NOUN, "husbands"),
        W("wife", "żona", 1, NOUN, "wives", "", "liczba mnoga: wives"),
        W("friend", "przyjaciel/kolega", 1, NOUN, "friends"),
        W("man", "mężczyzna", 1, NOUN, "men", "", "liczba mnoga nieregularna: men"),
        W("woman", "kobieta", 1, NOUN, "women", "", "liczba mnoga nieregularna: women"),
        W("person", "osoba", 2, NOUN, "people", "", "liczba mnoga: people - ludzie"),
        W("young", "młody", 1, ADJ),
        W("old", "stary", 1, ADJ),
        W("tall", "wysoki", 1, ADJ, "", "", "o ludziach; o budynkach i górach także high"),
        W("friendly", "przyjazny/życzliwy", 2, ADJ),
        W("marry", "poślubić", 2, VERB, "", "", "get married - pobrać się"),
        W("meet", "spotykać/poznawać", 1, VERB, "", "", "nieregularny: met, met", "czasownik (nie rzeczownik meat)"),
        W("uncle", "wujek", 1, NOUN, "uncles"),
        W("aunt", "ciocia/ciotka", 1, NOUN, "aunts"),
        W("each other", "siebie nawzajem", 3, OTHER, "", "one another", "they love each other - kochają się"),
    ],
    6: [
        W("book", "książka", 1, NOUN, "books"),
        W("film", "film", 1, NOUN, "films", "movie", "AmE: movie"),
        W("music", "muzyka", 1, NOUN, "", "", "niepoliczalny"),
        W("cinema", "kino", 1, NOUN, "cinemas", "", "go to the cinema - iść do kina"),
        W("holiday", "wakacje/urlop", 1, NOUN, "holidays", "vacation", "AmE: vacation"),
        W("hobby", "hobby", 1, NOUN, "hobbies"),
        W("football", "piłka nożna", 1, NOUN, "", "", "AmE: soccer"),
        W("game", "gra/mecz", 1, NOUN, "games"),
        W("song", "piosenka", 1, NOUN, "songs"),
        W("weekend", "weekend", 1, NOUN, "weekends", "", "at the weekend (BrE), on the weekend (AmE)"),
        W("swim", "pływać", 1, VERB, "", "", "nieregularny: swam, swum"),
        W("play", "grać/bawić się", 1, VERB, "", "", "play football, play the guitar"),
        W("sing", "śpiewać", 1, VERB, "", "", "nieregularny: sang, sung"),
        W("dance", "tańczyć", 1, VERB),
        W("watch", "oglądać", 1, VERB, "", "", "watch TV - oglądać telewizję"),
        W("relax", "odpoczywać/relaksować się", 2, VERB, "", "rest"),
        W("boring", "nudny", 1, ADJ, "", "", "boring - nudny; bored - znudzony"),
        W("interesting", "ciekawy/interesujący", 1, ADJ, "", "", "interesting - ciekawy; interested - zainteresowany"),
        W("exciting", "ekscytujący/pasjonujący", 2, ADJ),
        W("often", "często", 1, OTHER),
        W("sometimes", "czasami/czasem", 1, OTHER),
        W("never", "nigdy", 1, OTHER, "", "", "bez drugiego przeczenia: I never go - nigdy nie chodzę"),
        W("together", "razem", 2, OTHER),
        W("guitar", "gitara", 1, NOUN, "guitars"),
        W("picture", "obraz/zdjęcie", 2, NOUN, "pictures", "photo/painting", "take a picture - zrobić zdjęcie"),
    ],
    7: [
        W("head", "głowa", 1, NOUN, "heads"),
        W("hand", "ręka/dłoń", 1, NOUN, "hands"),
        W("leg", "noga", 1, NOUN, "legs"),
        W("foot", "stopa", 1, NOUN, "feet", "", "liczba mnoga nieregularna: feet"),
        W("tooth", "ząb", 1, NOUN, "teeth", "", "liczba mnoga nieregularna: teeth"),
        W("eye", "oko", 1, NOUN, "eyes"),
        W("back", "plecy", 2, NOUN, "backs", "", "po polsku tylko liczba mnoga: plecy"),
        W("doctor", "lekarz", 1, NOUN, "doctors"),
        W("hospital", "szpital", 1, NOUN, "hospitals", "", "in hospital (BrE) - w szpitalu"),
        W("medicine", "lekarstwo", 2, NOUN, "medicines"),
        W("headache", "ból głowy", 2, NOUN, "headaches", "", "I have a headache - boli mnie głowa"),
        W("cold", "przeziębienie", 2, NOUN, "colds", "", "catch a cold - przeziębić się"),
        W("healthy", "zdrowy", 1, ADJ),
        W("ill", "chory", 1, ADJ, "", "sick", "zwykle po czasowniku: be ill"),
        W("tired", "zmęczony", 1, ADJ),
        W("hurt", "boleć/zranić", 2, VERB, "", "", "nieregularny: hurt, hurt"),
        W("feel", "czuć (się)", 1, VERB, "", "", "nieregularny: felt, felt"),
        W("sleep", "spać", 1, VERB, "", "", "nieregularny: slept, slept"),
        W("exercise", "ćwiczyć", 2, VERB, "", "work out", "rzeczownik exercise - ćwiczenie"),
        W("pain", "ból", 2, NOUN, "pains"),
        W("appointment", "wizyta (umówiona)", 3, NOUN, "appointments", "", "make an appointment - umówić się na wizytę"),
        W("pharmacy", "apteka", 2, NOUN, "pharmacies", "chemist's", "BrE także: chemist's; AmE także: drugstore"),
        W("temperature", "temperatura/gorączka", 2, NOUN, "temperatures", "fever", "have a temperature - mieć gorączkę"),
        W("well", "dobrze/zdrowo", 1, OTHER, "", "", "I feel well - czuję się dobrze"),
        W("stomach", "brzuch/żołądek", 2, NOUN, "stomachs", "", "stomachache - ból brzucha"),
    ],
    8: [
        W("weather", "pogoda", 1, NOUN, "", "", "niepoliczalny", "rzeczownik (nie spójnik whether)"),
        W("sun", "słońce", 1, NOUN, "", "", "", "rzeczownik, przyroda (nie son)"),
        W("rain", "deszcz", 1, NOUN, "", "", "czasownik rain - padać (o deszczu)"),
        W("snow", "śnieg", 1, NOUN, "", "", "czasownik snow - padać (o śniegu)"),
        W("wind", "wiatr", 1, NOUN, "winds"),
        W("cloud", "chmura", 1, NOUN, "clouds"),
        W("sky", "niebo", 1, NOUN, "skies"),
        W("tree", "drzewo", 1, NOUN, "trees"),
        W("flower", "kwiat", 1, NOUN, "flowers", "", "", "rzeczownik (nie flour)"),
        W("river", "rzeka", 1, NOUN, "rivers"),
        W("mountain", "góra", 1, NOUN, "mountains", "", "in the mountains - w górach"),
        W("sea", "morze", 1, NOUN, "seas", "", "", "rzeczownik (nie czasownik see)"),
        W("season", "pora roku", 2, NOUN, "seasons"),
        W("spring", "wiosna", 1, NOUN, "", "", "in spring - wiosną"),
        W("summer", "lato", 1, NOUN, "summers"),
        W("winter", "zima", 1, NOUN, "winters"),
        W("hot", "gorący/upalny", 1, ADJ),
        W("cold", "zimny", 1, ADJ, "", "", "it's cold - jest zimno"),
        W("sunny", "słoneczny", 1, ADJ),
        W("cloudy", "pochmurny", 2, ADJ),
        W("warm", "ciepły", 1, ADJ),
        W("wet", "mokry/deszczowy", 2, ADJ),
        W("shine", "świecić", 2, VERB, "", "", "nieregularny: shone, shone"),
        W("freeze", "zamarzać", 3, VERB, "", "", "nieregularny: froze, frozen"),
        W("outside", "na zewnątrz/na dworze", 2, OTHER),
    ],
}

# Own words of the demo learner: (group, ID, level, kind, foreign, Polish, plural, synonyms, note).
OWN_WORDS = [
    (6, 40001, 1, NOUN, "board game", "gra planszowa", "board games", "", "w niedzielę gramy w gry planszowe"),
    (2, 40002, 2, NOUN, "pancake", "naleśnik", "pancakes", "crepe", "Pancake Day - ostatki"),
    (3, 40003, 2, VERB, "go sightseeing", "zwiedzać", "", "", "we went sightseeing in Rome"),
]

# Sentences per group: (foreign with gaps, Polish of the gap, full translation,
# gap answers "#"-separated, note, choice options (three wrong, then the right one),
# level, words practised).
S = lambda en, gap_pl, pl, answers, note, options, lvl, words: (en, gap_pl, pl, answers, note, options, lvl, words)

SENTENCES = {
    1: [
        S("We live in a small <flat> near the city centre.", "mieszkanie",
          "Mieszkamy w małym mieszkaniu niedaleko centrum miasta.", "flat/apartment", "",
          "room/garden/kitchen/flat", 1, ["flat", "live"]),
        S("My bedroom is <upstairs>, next to the bathroom.", "na górze",
          "Moja sypialnia jest na górze, obok łazienki.", "upstairs", "",
          "often/cheap/early/upstairs", 2, ["upstairs", "bedroom", "bathroom"]),
        S("Please close the <window>, it's cold.", "okno",
          "Proszę, zamknij okno, jest zimno.", "window", "",
          "chair/bread/key/window", 1, ["window", "cold:adj"]),
        S("There is a big table in the <kitchen>.", "kuchnia",
          "W kuchni jest duży stół.", "kitchen", "there is - jest (coś gdzieś)",
          "bed/sky/salary/kitchen", 1, ["kitchen", "table"]),
        S("I can't find my <keys>.", "klucze",
          "Nie mogę znaleźć moich kluczy.", "keys", "",
          "walls/weather/hungry/keys", 1, ["key"]),
        S("You have to <tidy up> your room before dinner.", "posprzątać",
          "Musisz posprzątać swój pokój przed kolacją.", "tidy up/clean", "have to - musieć",
          "tidy on/tidy in/tidy at/tidy up", 2, ["tidy up", "room", "dinner"]),
        S("Our <neighbours> have a beautiful garden.", "sąsiedzi",
          "Nasi sąsiedzi mają piękny ogród.", "neighbours/neighbors", "",
          "neighbour/neighbour's/neighbourhood/neighbours", 2, ["neighbour", "garden"]),
        S("They <rent> a house with two bedrooms.", "wynajmują",
          "Oni wynajmują dom z dwiema sypialniami.", "rent", "",
          "rents/renting/to rent/rent", 2, ["rent", "house", "bedroom"]),
    ],
    2: [
        S("Would you like a cup of tea and some <bread>?", "chleb",
          "Czy masz ochotę na filiżankę herbaty i trochę chleba?", "bread", "some + rzeczownik niepoliczalny",
          "a bread/breads/a breads/bread", 1, ["bread"]),
        S("I usually <eat> an apple for breakfast.", "jem",
          "Zwykle zjadam jabłko na śniadanie.", "eat/have", "",
          "eats/eating/ate/eat", 1, ["eat", "apple", "breakfast"]),
        S("She doesn't <drink> coffee in the evening.", "pije",
          "Ona nie pije kawy wieczorem.", "drink", "po doesn't forma podstawowa",
          "drinks/drinking/drank/drink", 1, ["drink"]),
        S("This soup is <delicious>!", "pyszna",
          "Ta zupa jest pyszna!", "delicious/tasty", "",
          "deliciously/hungry/tired/delicious", 2, ["delicious"]),
        S("Can we have the <bill>, please?", "rachunek",
          "Czy możemy prosić o rachunek?", "bill/check", "",
          "key/weather/pain/bill", 2, ["bill"]),
        S("I'm <hungry>. Let's have lunch.", "głodny",
          "Jestem głodny. Zjedzmy lunch.", "hungry", "",
          "hunger/hungrily/delicious/hungry", 1, ["hungry"]),
        S("My mother <cooks> dinner every day.", "gotuje",
          "Moja mama codziennie gotuje obiad.", "cooks/makes", "he, she, it + -s",
          "cook/cooking/to cook/cooks", 1, ["cook", "mother", "dinner"]),
        S("We need two kilos of <potatoes> and some <tomatoes>.", "ziemniaki, pomidory",
          "Potrzebujemy dwóch kilogramów ziemniaków i trochę pomidorów.", "potatoes#tomatoes",
          "liczba mnoga z -es",
          "potato...tomato/potatos...tomatos/potatoe...tomatoe/potatoes...tomatoes", 2,
          ["potato", "tomato"]),
    ],
    3: [
        S("The <train> to London leaves at six o'clock.", "pociąg",
          "Pociąg do Londynu odjeżdża o szóstej.", "train", "",
          "ticket/airport/map/train", 1, ["train", "leave"]),
        S("How much is a return <ticket>?", "bilet",
          "Ile kosztuje bilet powrotny?", "ticket", "",
          "suitcase/passport/station/ticket", 1, ["ticket"]),
        S("We <arrived> at the airport two hours early.", "przyjechaliśmy",
          "Przyjechaliśmy na lotnisko dwie godziny wcześniej.", "arrived/got", "",
          "arrive/arriving/arrives/arrived", 2, ["arrive", "airport", "early"]),
        S("Don't forget your <passport>!", "paszport",
          "Nie zapomnij paszportu!", "passport", "",
          "weather/early/cheap/passport", 1, ["passport"]),
        S("Go <straight on> and then turn <left>.", "prosto, w lewo",
          "Idź prosto, a potem skręć w lewo.", "straight on/straight ahead#left", "",
          "straight in...lefts/straight at...leave/straights...left/straight on...left", 2,
          ["straight on", "left"]),
        S("Flying is fast, but it's <expensive>.", "drogie",
          "Latanie jest szybkie, ale drogie.", "expensive", "",
          "expensively/cheaply/busy/expensive", 2, ["expensive", "fly"]),
        S("I'd like to <book> a room for two nights.", "zarezerwować",
          "Chciałbym zarezerwować pokój na dwie noce.", "book/reserve", "I'd like to - chciałbym",
          "books/booking/booked/book", 2, ["book:verb", "room"]),
        S("My suitcase is too heavy. I have too much <luggage>.", "bagaż",
          "Moja walizka jest za ciężka. Mam za dużo bagażu.", "luggage/baggage",
          "luggage jest niepoliczalny: too much luggage",
          "luggages/a luggage/suitcases/luggage", 3, ["luggage", "suitcase"]),
    ],
    4: [
        S("She works in an <office> in the city centre.", "biuro",
          "Ona pracuje w biurze w centrum miasta.", "office", "",
          "offices/teacher/boss/office", 1, ["office", "work"]),
        S("Our teacher gives us a lot of <homework>.", "praca domowa",
          "Nasz nauczyciel zadaje nam dużo pracy domowej.", "homework", "homework jest niepoliczalny",
          "homeworks/a homework/salary/homework", 1, ["homework", "teacher"]),
        S("I'm <learning> English because I need it for my job.", "uczę się",
          "Uczę się angielskiego, bo potrzebuję go w pracy.", "learning/studying", "",
          "learn/learns/learned/learning", 1, ["learn", "job"]),
        S("He is very <busy> today, he has three meetings.", "zajęty",
          "On jest dziś bardzo zajęty, ma trzy spotkania.", "busy", "",
          "busily/business/easy/busy", 1, ["busy", "meeting"]),
        S("How much do you <earn>?", "zarabiasz",
          "Ile zarabiasz?", "earn/make", "",
          "earns/earning/earned/earn", 2, ["earn"]),
        S("I want to <apply for> this job.", "ubiegać się o",
          "Chcę ubiegać się o tę pracę.", "apply for", "",
          "apply to/apply on/apply at/apply for", 3, ["apply for", "job"]),
        S("This exercise is <easy>, but that one is <difficult>.", "łatwe, trudne",
          "To ćwiczenie jest łatwe, ale tamto jest trudne.", "easy#difficult/hard", "",
          "easily...difficultly/easy...easy/easier...difficulter/easy...difficult", 1,
          ["easy", "difficult"]),
        S("Who <wrote> this letter?", "napisał",
          "Kto napisał ten list?", "wrote", "write, wrote, written",
          "writed/written/wrotes/wrote", 2, ["write"]),
    ],
    5: [
        S("My <sister> is two years older than me.", "siostra",
          "Moja siostra jest o dwa lata starsza ode mnie.", "sister", "",
          "sisters/sister's/sisterly/sister", 1, ["sister", "old"]),
        S("They have three <children>: two sons and a daughter.", "dzieci",
          "Mają troje dzieci: dwóch synów i córkę.", "children/kids", "",
          "child/childs/childrens/children", 1, ["child", "son", "daughter"]),
        S("Where did you <meet> your wife?", "poznałeś",
          "Gdzie poznałeś swoją żonę?", "meet", "po did forma podstawowa",
          "met/meeting/meets/meet", 2, ["meet", "wife"]),
        S("His <wife> is a doctor.", "żona",
          "Jego żona jest lekarzem.", "wife", "",
          "wifes/wives/wive/wife", 1, ["wife", "doctor"]),
        S("My uncle is very <tall> and <friendly>.", "wysoki, przyjazny",
          "Mój wujek jest bardzo wysoki i przyjazny.", "tall#friendly/nice", "",
          "high...friend/tallly...friendlily/taller...friendlier/tall...friendly", 2,
          ["tall", "friendly", "uncle"]),
        S("There were a lot of <people> at the party.", "ludzie",
          "Na przyjęciu było dużo ludzi.", "people", "person - osoba, people - ludzie",
          "person/peoples/personal/people", 1, ["person"]),
        S("They got <married> last year.", "pobrali się",
          "Pobrali się w zeszłym roku.", "married", "get married - pobrać się",
          "marry/marrying/marries/married", 2, ["marry"]),
        S("Tom and Anna love <each other>.", "siebie nawzajem",
          "Tom i Anna kochają się.", "each other/one another", "",
          "each another/every other/each others/each other", 3, ["each other"]),
    ],
    6: [
        S("I <often> go to the cinema at the weekend.", "często",
          "Często chodzę do kina w weekendy.", "often", "",
          "oftenly/usual/ever/often", 1, ["often", "cinema", "weekend"]),
        S("Can you <play> the guitar?", "grać",
          "Czy umiesz grać na gitarze?", "play", "",
          "plays/playing/to play/play", 1, ["play", "guitar"]),
        S("This film is really <boring>.", "nudny",
          "Ten film jest naprawdę nudny.", "boring", "boring - nudny; bored - znudzony",
          "bored/bore/boringly/boring", 1, ["boring", "film"]),
        S("We went to the seaside for our summer <holiday>.", "wakacje",
          "Pojechaliśmy nad morze na letnie wakacje.", "holiday/holidays/vacation", "",
          "hobby/homework/song/holiday", 1, ["holiday", "summer"]),
        S("She <sings> in a band.", "śpiewa",
          "Ona śpiewa w zespole.", "sings", "",
          "sing/singing/song/sings", 1, ["sing"]),
        S("I'm reading a very <interesting> book.", "ciekawą",
          "Czytam bardzo ciekawą książkę.", "interesting", "",
          "interested/interest/interestingly/interesting", 1, ["interesting", "book:noun", "read"]),
        S("Do you like <swimming>?", "pływanie",
          "Czy lubisz pływać?", "swimming/to swim", "",
          "swim/swiming/swims/swimming", 2, ["swim"]),
        S("We <never> watch TV in the morning.", "nigdy",
          "Nigdy nie oglądamy telewizji rano.", "never", "",
          "not/no/ever/never", 1, ["never", "watch"]),
    ],
    7: [
        S("I have a terrible <headache>.", "ból głowy",
          "Strasznie boli mnie głowa.", "headache", "",
          "head/headaches/ill/headache", 2, ["headache", "head"]),
        S("You should see a <doctor>.", "lekarz",
          "Powinieneś pójść do lekarza.", "doctor", "",
          "doctors/medicine/hospital/doctor", 1, ["doctor"]),
        S("My leg <hurts>.", "boli",
          "Boli mnie noga.", "hurts", "",
          "hurted/hurting/pain/hurts", 2, ["hurt", "leg"]),
        S("I don't feel <well> today.", "dobrze",
          "Nie czuję się dziś dobrze.", "well", "",
          "goodly/health/healthily/well", 1, ["well", "feel"]),
        S("Take this <medicine> three times a day.", "lekarstwo",
          "Przyjmuj to lekarstwo trzy razy dziennie.", "medicine", "",
          "doctor/headache/tooth/medicine", 2, ["medicine"]),
        S("I was so <tired> that I slept for ten hours.", "zmęczony",
          "Byłem tak zmęczony, że spałem dziesięć godzin.", "tired", "",
          "tiring/tire/tiredly/tired", 2, ["tired", "sleep"]),
        S("He has got a <cold> and a high <temperature>.", "przeziębienie, gorączka",
          "On jest przeziębiony i ma wysoką gorączkę.", "cold#temperature/fever", "",
          "cool...temperatures/colds...temper/cold...heat/cold...temperature", 3,
          ["cold:noun", "temperature"]),
        S("Brush your <teeth> twice a day.", "zęby",
          "Myj zęby dwa razy dziennie.", "teeth", "tooth - ząb, teeth - zęby",
          "tooth/tooths/teeths/teeth", 1, ["tooth"]),
    ],
    8: [
        S("What's the <weather> like today?", "pogoda",
          "Jaka jest dziś pogoda?", "weather", "",
          "whether/wether/season/weather", 1, ["weather"]),
        S("It's <sunny> and <warm> today.", "słonecznie, ciepło",
          "Dziś jest słonecznie i ciepło.", "sunny#warm", "",
          "sun...warmth/sunshine...warmly/suny...worm/sunny...warm", 1, ["sunny", "warm"]),
        S("It often <rains> in autumn.", "pada (deszcz)",
          "Jesienią często pada deszcz.", "rains", "",
          "rain/raining/rainy/rains", 2, ["rain", "often"]),
        S("In winter the lake <freezes>.", "zamarza",
          "Zimą jezioro zamarza.", "freezes", "",
          "freeze/frozen/freezing/freezes", 3, ["freeze", "winter"]),
        S("Look at the dark <clouds> in the sky.", "chmury",
          "Spójrz na ciemne chmury na niebie.", "clouds", "",
          "cloud/cloudy/cloudly/clouds", 1, ["cloud", "sky"]),
        S("There is a lot of <snow> in the mountains.", "śnieg",
          "W górach jest dużo śniegu.", "snow", "",
          "snows/snowy/a snow/snow", 1, ["snow", "mountain"]),
        S("The sun is <shining>, let's go outside.", "świeci",
          "Słońce świeci, wyjdźmy na dwór.", "shining", "",
          "shine/shines/shone/shining", 2, ["shine", "sun", "outside"]),
        S("We have a lot of beautiful <flowers> in our garden.", "kwiaty",
          "Mamy w ogrodzie dużo pięknych kwiatów.", "flowers", "",
          "flower/flour/flowery/flowers", 1, ["flower", "garden"]),
        # Four gaps: the gap exercise has boxes for three, the fourth shows its word.
        S("In <spring> the <trees> are green and the birds <sing> in the <garden>.",
          "wiosną, drzewa, śpiewają, ogród",
          "Wiosną drzewa są zielone, a ptaki śpiewają w ogrodzie.", "spring#trees#sing#garden",
          "", "", 2, ["spring", "tree", "sing"]),
        # No gap: only translated as a whole, both ways.
        S("It's a lovely day, let's go for a walk.", "Piękny dzień, chodźmy na spacer.",
          "Jest piękny dzień, chodźmy na spacer.", "", "", "", 1, ["sunny"]),
        # Two lines of a dialogue ("@" breaks the line).
        S("What's the weather like in London?@It's <cloudy> and it often rains.", "pochmurno",
          "Jaka jest pogoda w Londynie? Jest pochmurno i często pada.", "cloudy", "",
          "cloud/clouds/cloudly/cloudy", 2, ["cloudy", "weather", "rain"]),
        # A variant key twice in one answer: "it is cold and it is" is right too.
        S("Take an umbrella, <it's cold and it's> raining.", "jest zimno i",
          "Weź parasol, jest zimno i pada deszcz.", "it's cold and it's", "",
          "its cold and its/it cold and it/it's cold and it/it's cold and it's", 2,
          ["cold:adj", "rain"]),
    ],
}

# Comments the demo learner has written (kom_user.txt).
COMMENTS = [
    (2, "W USA mówią apartment - zapamiętaj obie formy."),
    (122, "Nie mylić z meat (mięso)!"),
]

# Answer variants: a key found in the expected answer may be replaced by its value.
VARIANTS = [
    ("don't", "do not"), ("doesn't", "does not"), ("didn't", "did not"),
    ("isn't", "is not"), ("aren't", "are not"), ("wasn't", "was not"),
    ("can't", "cannot"), ("won't", "will not"), ("haven't", "have not"),
    ("I'm", "I am"), ("it's", "it is"), ("It's", "It is"), ("he's", "he is"),
    ("she's", "she is"), ("you're", "you are"), ("we're", "we are"),
    ("they're", "they are"), ("I've", "I have"), ("What's", "What is"),
    ("let's", "let us"), ("do not", "don't"), ("cannot", "can't"), ("I am", "I'm"),
    ("is not", "isn't"),
]

# Interlude sets, b1.txt .. b7.txt: (title, kind, data file, period).
INTERLUDES = [
    ("Przysłowia angielskie", "sent1", "przyslowia.txt", 1),
    ("Obrazki - w domu i w mieście", "zd1", "obrazki1.txt", 2),
    ("Kojarzenie słówek", "koj", "", 3),
    ("Idiomy", "sent1", "idiomy.txt", 2),
    ("Obrazki - pogoda i przyroda", "zd2", "obrazki2.txt", 2),
    ("Zwroty na co dzień", "sent1", "zwroty.txt", 2),
    ("Łamańce językowe", "sent1", "lamance.txt", 3),
]

# Sayings: (saying, recording file, Polish, description). Recordings lie on the disc
# under bsslow3/bssent/d_roz.cdr/.
SAYINGS = {
    "przyslowia.txt": [
        ("Better late than never.", "prz01.wav", "Lepiej późno niż wcale.",
         "Lepiej zrobić coś z opóźnieniem, niż nie zrobić wcale."),
        ("Practice makes perfect.", "prz02.wav", "Praktyka czyni mistrza.",
         "Ćwiczenie czyni mistrza - powtarzaj słówka codziennie!"),
        ("An apple a day keeps the doctor away.", "prz03.wav",
         "Jedz jabłko codziennie, a lekarz nie będzie ci potrzebny.", "O zdrowym odżywianiu."),
        ("Actions speak louder than words.", "prz04.wav", "Czyny mówią głośniej niż słowa.",
         "Liczy się to, co robimy, a nie to, co mówimy."),
        ("There's no place like home.", "prz05.wav", "Wszędzie dobrze, ale w domu najlepiej.",
         "Dosłownie: nie ma takiego miejsca jak dom."),
        ("A friend in need is a friend indeed.", "prz06.wav",
         "Prawdziwych przyjaciół poznaje się w biedzie.", "O przyjaźni."),
        ("Don't judge a book by its cover.", "prz07.wav", "Nie oceniaj książki po okładce.",
         "Pozory mylą."),
        ("Every cloud has a silver lining.", "prz08.wav", "Nie ma tego złego, co by na dobre nie wyszło.",
         "Dosłownie: każda chmura ma srebrną podszewkę."),
        ("When in Rome, do as the Romans do.", "prz09.wav",
         "Jeśli wejdziesz między wrony, musisz krakać jak i one.", "O dostosowaniu się do zwyczajów."),
        ("Time is money.", "prz10.wav", "Czas to pieniądz.", "Nie marnuj czasu."),
    ],
    "idiomy.txt": [
        ("It's raining cats and dogs.", "idi01.wav", "Leje jak z cebra.",
         "Dosłownie: pada kotami i psami."),
        ("It's a piece of cake.", "idi02.wav", "To bułka z masłem.", "Coś bardzo łatwego."),
        ("Break a leg!", "idi03.wav", "Połamania nóg!", "Życzenie powodzenia, np. przed występem."),
        ("I'm feeling under the weather.", "idi04.wav", "Czuję się nie najlepiej.",
         "Gdy ktoś jest lekko chory."),
        ("Once in a blue moon.", "idi05.wav", "Od wielkiego dzwonu.", "Bardzo rzadko."),
        ("It costs an arm and a leg.", "idi06.wav", "To kosztuje majątek.",
         "Dosłownie: kosztuje rękę i nogę."),
        ("Let's call it a day.", "idi07.wav", "Na dziś wystarczy.", "Kończymy pracę na dzisiaj."),
        ("I'm all ears.", "idi08.wav", "Zamieniam się w słuch.", "Słucham bardzo uważnie."),
    ],
    "zwroty.txt": [
        ("How are you?", "zwr01.wav", "Jak się masz?", "Powitanie; odpowiedź: Fine, thanks."),
        ("Nice to meet you.", "zwr02.wav", "Miło cię poznać.", "Przy pierwszym spotkaniu."),
        ("Excuse me, where is the station?", "zwr03.wav", "Przepraszam, gdzie jest dworzec?",
         "Pytanie o drogę."),
        ("Could you say that again, please?", "zwr04.wav", "Czy mógłbyś to powtórzyć?",
         "Gdy czegoś nie zrozumiałeś."),
        ("How much is it?", "zwr05.wav", "Ile to kosztuje?", "W sklepie."),
        ("See you later!", "zwr06.wav", "Do zobaczenia!", "Pożegnanie."),
        ("Have a nice day!", "zwr07.wav", "Miłego dnia!", "Uprzejme pożegnanie."),
        ("I'm sorry, I don't understand.", "zwr08.wav", "Przepraszam, nie rozumiem.",
         "Gdy rozmówca mówi za szybko."),
    ],
    "lamance.txt": [
        ("She sells sea shells by the sea shore.", "lam01.wav",
         "Ona sprzedaje muszelki na brzegu morza.", "Ćwiczenie głosek s i sz."),
        ("Red lorry, yellow lorry.", "lam02.wav", "Czerwona ciężarówka, żółta ciężarówka.",
         "Ćwiczenie głosek r i l."),
        ("Peter Piper picked a peck of pickled peppers.", "lam03.wav",
         "Peter Piper zebrał garść marynowanych papryczek.", "Ćwiczenie głoski p."),
        ("How can a clam cram in a clean cream can?", "lam04.wav",
         "Jak małż może wcisnąć się do czystej puszki po śmietanie?", "Ćwiczenie głosek k i kl."),
        ("Three free throws.", "lam05.wav", "Trzy rzuty wolne.", "Ćwiczenie głoski th."),
    ],
}

# Picture sets: (code, English, Polish, caption). A code c names the picture
# bsslow3/<c[0:2]>/<c[2:4]>/<c[2:6]>.jpg on the disc. A row with an empty caption
# field is written in the second form (caption after the fourth "=").
PICTURES = {
    "obrazki1.txt": [
        ("z21101", "house", "dom", "A house with a garden - dom z ogrodem"),
        ("z21102", "kitchen", "kuchnia", "A kitchen with a table - kuchnia ze stołem"),
        ("z21103", "bedroom", "sypialnia", "A bed in the bedroom - łóżko w sypialni"),
        ("z21104", "window", "okno", "An open window - otwarte okno"),
        ("z21105", "key", "klucz", "A key on the table - klucz na stole"),
        ("z21106", "bus", "autobus", "A red bus - czerwony autobus"),
        ("z21107", "train", "pociąg", "A train at the station - pociąg na stacji"),
        ("z21108", "plane", "samolot", "A plane in the sky - samolot na niebie"),
        ("z21109", "apple", "jabłko", ""),
        ("z21110", "suitcase", "walizka", ""),
    ],
    "obrazki2.txt": [
        ("z22101", "sun", "słońce", "The sun is shining - świeci słońce"),
        ("z22102", "rain", "deszcz", "It's raining - pada deszcz"),
        ("z22103", "snow", "śnieg", "Snow in winter - śnieg zimą"),
        ("z22104", "clouds", "chmury", "Clouds in the sky - chmury na niebie"),
        ("z22105", "tree", "drzewo", "A tree in spring - drzewo wiosną"),
        ("z22106", "flower", "kwiat", "A red flower - czerwony kwiat"),
        ("z22107", "river", "rzeka", "A river in the valley - rzeka w dolinie"),
        ("z22108", "mountains", "góry", "Mountains with snow - ośnieżone góry"),
        ("z22109", "sea", "morze", ""),
        ("z22110", "wind", "wiatr", ""),
    ],
}
# Captions for the rows written in the second form.
SECOND_FORM_CAPTIONS = {
    "z21109": "A green apple - zielone jabłko",
    "z21110": "A big suitcase - duża walizka",
    "z22109": "The sea in summer - morze latem",
    "z22110": "A windy day - wietrzny dzień",
}

GROUP_TITLES = {1: "słówka podstawowe", 2: "słówka trudniejsze", 3: "wszystkie słówka"}


def cells(ids):
    return "".join(f"={i:05d}" for i in ids)


def small_lessons(g, name, words, sentences):
    """One section with more exercises than the chooser shows at once: lessons of
    five words, sentence lessons of two, and tests of six words across the group."""
    out = []
    for k in range(5):
        out.append(f"7=0{g:02d}-1-{k + 1:02d}={name} - lekcja {k + 1}" + cells(words[5 * k:5 * k + 5]))
    for k in range(4):
        out.append(f"8=1{g:02d}-2-{k + 1:02d}={name} - zdania, część {k + 1}"
                   + cells(sentences[2 * k:2 * k + 2]))
    for k in range(8):
        out.append(f"7=0{g:02d}-3-{k + 1:02d}={name} - sprawdzian {k + 1}"
                   + cells([words[(3 * k + 4 * j) % len(words)] for j in range(6)]))
    return out


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = "".join(line + "\r\n" for line in lines).encode("cp1250")
    with open(path, "wb") as f:
        f.write(data)


def word_ids():
    """(group, ID, entry) for every built-in word in file order."""
    out = []
    for g, _, _, _ in GROUPS:
        entries = WORDS[g]
        assert len(entries) <= IDS_PER_GROUP, g
        for n, e in enumerate(entries, 1):
            out.append((g, (g - 1) * IDS_PER_GROUP + n, e))
    return out


def sentence_ids():
    out = []
    n = 0
    for g, _, _, _ in GROUPS:
        for s in SENTENCES[g]:
            n += 1
            out.append((g, SENTENCE_ID_BASE + n, s))
    return out


KIND_NAMES = {"noun": NOUN, "adj": ADJ, "verb": VERB, "other": OTHER}


def find_word(words, ref):
    text, _, kind = ref.partition(":")
    hits = [i for g, i, e in words if e[0] == text and (not kind or e[3] == KIND_NAMES[kind])]
    if len(hits) != 1:
        sys.exit(f"link {ref!r}: {len(hits)} matching words")
    return hits[0]


def item_line(group, own, ident, level, kind, foreign, fields):
    assert len(fields) == 8
    for t in [foreign] + fields:
        assert "=" not in t, t
    head = f"{group:02d} {'1' if own else ' '}{ident:05d} {level}{kind} {foreign}"
    return head + " = " + " = ".join(fields) + " ="


def main():
    words = word_ids()
    sentences = sentence_ids()

    write(os.path.join(PROGRAM, "ts40.ini"), ["[ts40]", "cd=../disc/"])
    write(os.path.join(PROGRAM, "tavo_sk.txt"), [
        "Tavolent Arlen 4.0", "1", "1", "Angielski - słownictwo",
        "wersja demonstracyjna", "0", "wersja demonstracyjna", "Lexarin - słownik"])
    variants = [f"{k}={v}" for k, v in VARIANTS]
    assert len(variants) <= 30
    write(os.path.join(PROGRAM, "ss_sk.t"), variants)
    write(os.path.join(PROGRAM, "ss.t"), variants)

    write(os.path.join(PROGRAM, "gta_s.txt"),
          [f"{n} = 1 = {key} = {name} = {desc} =" for n, key, name, desc in GROUPS])

    lines = []
    for g, ident, (en, pl, lvl, kind, plural, syn, note, hint) in words:
        rec = str(WORD_RECORDING_BASE + ident)
        lines.append(item_line(g, False, ident, lvl, kind, en, [pl, plural, syn, note, rec, "", hint, ""]))
    write(os.path.join(PROGRAM, "sba_slow.txt"), lines)

    # Own words, in the exact layout the trainer writes back.
    own = []
    for g, ident, lvl, kind, en, pl, plural, syn, note in OWN_WORDS:
        rec = ""  # own recordings are files in Nagrania; the demo words have none
        own.append(f"{g:02d} 1{ident:05d} {lvl}{kind} {en}" + " = " + pl + " =" + plural + "= " + syn + "= " + note
                   + " =" + rec + "= = = =")
    write(os.path.join(PROGRAM, "sbusr.txt"), own)

    lines = []
    links = []
    for g, ident, (en, gap_pl, pl, answers, note, options, lvl, refs) in sentences:
        gaps = en.count("<")
        assert gaps == en.count(">") == (answers.count("#") + 1 if answers else 0), en
        assert len(options.split("/")) == 4 if options else gaps != 1, en
        rec = str(SENTENCE_RECORDING_BASE + ident - SENTENCE_ID_BASE)
        lines.append(item_line(g, False, ident, lvl, SENTENCE, en, [gap_pl, pl, answers, note, options, rec, "", ""]))
        for ref in refs:
            links.append((find_word(words, ref), ident))
    write(os.path.join(PROGRAM, "zda.txt"), lines)
    write(os.path.join(PROGRAM, "coneca.txt"), [f"{w} = {s} =" for w, s in links])

    write(os.path.join(PROGRAM, "kom_user.txt"), [f"{i} = {c}" for i, c in COMMENTS])

    # Built-in exercises: per group the level-1 words, the harder words and the sentences.
    ex = []
    for g, _, name, _ in GROUPS:
        easy = [i for gg, i, e in words if gg == g and e[2] == 1]
        hard = [i for gg, i, e in words if gg == g and e[2] > 1]
        sent = [i for gg, i, _ in sentences if gg == g]
        every = [i for gg, i, _ in words if gg == g]
        for cat, ids in ((1, easy), (2, hard), (3, every)):
            title = f"{name} - {GROUP_TITLES[cat]}"
            ex.append(f"7=0{g:02d}-{cat}={title}" + cells(ids))
        ex.append(f"8=1{g:02d}-2={name} - zdania" + cells(sent))
        if g == 1:
            ex += small_lessons(g, name, every, sent)
    write(os.path.join(PROGRAM, "cwa_s.txt"), ex)

    for k, (title, kind, data, period) in enumerate(INTERLUDES, 1):
        write(os.path.join(PROGRAM, f"b{k}.txt"), [title, kind, data, str(period)])
    for name, rows in SAYINGS.items():
        for r in rows:
            assert all("=" not in t for t in r), r
        write(os.path.join(PROGRAM, name), [" = ".join(r) for r in rows])
    for name, rows in PICTURES.items():
        out = []
        for code, en, pl, caption in rows:
            if caption:
                out.append(f"{code}={en}={pl}={caption}=")
            else:
                out.append(f"{code}={en}={pl}=={SECOND_FORM_CAPTIONS[code]}=")
        write(os.path.join(PROGRAM, name), out)

    write(os.path.join(DISC, "p.txt"), ["PH", "Tavolent Arlen 4.0 - płyta 2 (wersja demonstracyjna)"])


if __name__ == "__main__":
    main()
