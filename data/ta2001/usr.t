1=Marta
2=Tomek
