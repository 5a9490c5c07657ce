clé=clef
