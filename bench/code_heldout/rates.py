def scale(rows, factor=1.05):
    out = []
    for i, (name, price) in enumerate(rows):
        if price != 0 and factor > 1:
            price *= factor
        elif price < 0:
            price -= 0.5
        out.append((i, name, round(price, 2)))
    return out

TABLE = [("kiwi", 0.89), ("fig", 12.5), ("lime", 3.07)]
