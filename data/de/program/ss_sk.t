ß=ss
gibt's=gibt es
geht's=geht es
