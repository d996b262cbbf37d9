#!/usr/bin/python3
"""Writes the small ISTAT-like tables the istat tests read: three years of the
demographic balance (P2) in the forms ISTAT has used, one older year with
gross flows, and a population by age (POSAS). Run it from this folder."""
import zipfile


def dotted(n):
    return f'{n:,}'.replace(',', '.')


def p2(path, title, first, altri, rows, bom=False, info=True):
    head = ['Codice comune', 'Comune', f'{first} - Maschi', f'{first} - Femmine', f'{first} - Totale',
            'Nati vivi - Maschi', 'Nati vivi - Femmine', 'Nati vivi - Totale', 'Morti - Maschi', 'Morti - Femmine',
            'Morti - Totale', 'Saldo naturale - Totale', 'Saldo migratorio interno - Totale',
            "Saldo migratorio con l'estero - Totale", altri, 'Popolazione al 31 dicembre - Maschi',
            'Popolazione al 31 dicembre - Femmine', 'Popolazione al 31 dicembre - Totale']
    if info:
        head.append('Informazioni')
    lines = [f'"{title}"', ';'.join(head)]
    for code, name, p1, b, d, interno, estero, other, flag in rows:
        total_other = other if 'per altri' in altri and ' e ' not in altri else interno + estero + other
        p31 = p1 + b - d + interno + estero + other
        cells = [code, name, dotted(p1 // 2), dotted(p1 - p1 // 2), dotted(p1), str(b // 2), str(b - b // 2), str(b),
                 str(d // 2), str(d - d // 2), str(d), str(b - d), str(interno), str(estero), str(total_other),
                 dotted(p31 // 2), dotted(p31 - p31 // 2), dotted(p31)]
        if info:
            cells.append(flag)
        lines.append(';'.join(cells))
    lines.append('"Fonte: ISTAT"')
    text = '\r\n'.join(lines) + '\r\n'
    return ('\ufeff' if bom else '') + text


def write(path, text):
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.write(text)


def entry(name):
    # A fixed date, so that writing the archives again changes no byte.
    return zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))


def zipped(path, member, text):
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr(entry(member), text.encode('utf-8'), compress_type=zipfile.ZIP_DEFLATED)


OLD = 'Popolazione al 1° gennaio'
NEW = 'Popolazione censita al 1° gennaio'
write('P2_2021_it_099_Roccaventosa.csv', p2(None, 'Bilancio demografico e popolazione residente al 31 dicembre 2021',
      OLD, 'Saldo migratorio per altri motivi - Totale', [
          ('099001', 'Roccaventosa', 12000, 90, 140, 30, 20, -10, ''),
          ('099002', 'Valfonda', 5000, 40, 60, 5, 5, 0, '')], bom=True))
zipped('P2_2022_it_099_Roccaventosa.zip', 'P2_2022_it_099_Roccaventosa.csv',
       p2(None, 'Bilancio demografico e popolazione residente al 31 dicembre 2022', OLD,
          'Saldo migratorio per altri motivi - Totale', [
              ('099001', '"Roccaventosa"', 11990, 85, 150, -60, 15, 0, ''),
              ('099002', '"Valfonda"', 4990, 30, 70, 0, 10, 0, '')]))
write('P2_2023_it_099_Roccaventosa.csv', p2(None, 'Bilancio demografico e popolazione residente al 31 dicembre 2023',
      NEW, 'Saldo migratorio e per altri motivi - Totale', [
          ('099001', 'Roccaventosa', 11880, 80, 130, 10, 25, 0, 'p'),
          ('099002', 'Valfonda', 4960, 35, 65, 0, 5, 0, 'p'),
          ('099003', 'Castelmare', 800, 5, 9, 0, 0, 0, 'p'),
          ('098003', 'Castelmare', 1200, 8, 12, 0, 0, 0, 'p')]))

gross = ['Codice comune', 'Comune', 'Popolazione al 1° gennaio - Totale', 'Nati vivi - Totale', 'Morti - Totale',
         'Iscritti da altri comuni - Totale', "Iscritti dall'estero - Totale", 'Altri iscritti - Totale',
         'Cancellati per altri comuni - Totale', "Cancellati per l'estero - Totale", 'Altri cancellati - Totale',
         'Saldo migratorio interno - Totale', "Saldo migratorio con l'estero - Totale",
         'Popolazione al 31 dicembre - Totale']
write('P2_2019_Valfonda.csv', '\r\n'.join([
    '"Bilancio demografico anno 2019"', ';'.join(gross),
    ';'.join(['099002', 'Valfonda', '5.000', '40', '60', '100', '20', '5', '110', '10', '5', '-10', '10', '4.980'])
]) + '\r\n')

ages = ['"Popolazione residente al 1° gennaio 2024 per età e sesso"',
        'Codice comune;Comune;Età;Totale maschi;Totale femmine;Totale']
for age in range(101):
    women = 100 if 15 <= age < 50 else 40
    ages.append(f'099001;Roccaventosa;{age};50;{women};{50 + women}')
ages.append('099001;Roccaventosa;999;5.050;6.140;11.190')
zipped('POSAS_2024_it_099_Roccaventosa.zip', 'POSAS_2024_it_099_Roccaventosa.csv', '\n'.join(ages) + '\n')

# Archives that are not one CSV.
with zipfile.ZipFile('senza_csv.zip', 'w') as z:
    z.writestr(entry('leggimi.txt'), 'nessuna tabella')
with zipfile.ZipFile('due_csv.zip', 'w') as z:
    z.writestr(entry('a.csv'), 'Codice comune;Comune\n')
    z.writestr(entry('b.csv'), 'Codice comune;Comune\n')
