"""Palettes for images that must get by with few colours: the icon's 16- and
256-colour images and the start-up animation's GIF frames.

Median cut picks the colours (deterministically: ties are broken by the
colours themselves), and a quantiser maps pixels to their nearest entry.
"""


def median_cut(weights, count):
    """Up to `count` colours representing {rgb: weight}; deterministic."""
    boxes = [sorted(weights.items())]
    while len(boxes) < count:
        best, best_score, best_axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            total = sum(w for _, w in box)
            for axis in range(3):
                values = [c[axis] for c, _ in box]
                # Split where the spread times the population is largest, so
                # large smooth areas get enough shades not to band.
                score = (max(values) - min(values)) * (total ** 0.5)
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda e: (e[0][best_axis], e[0]))
        total = sum(w for _, w in box)
        acc, cut = 0, 1
        for cut in range(1, len(box)):
            acc += box[cut - 1][1]
            if acc * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(tuple(int(round(sum(c[k] * w for c, w in box) / total)) for k in range(3)))
    return sorted(set(palette))


class Quantiser:
    def __init__(self, palette):
        self.palette = palette
        self.cache = {}

    def index(self, rgb):
        i = self.cache.get(rgb)
        if i is None:
            r, g, b = rgb
            best, best_d = 0, 1 << 30
            for k, (pr, pg, pb) in enumerate(self.palette):
                d = (pr - r) * (pr - r) * 3 + (pg - g) * (pg - g) * 4 + (pb - b) * (pb - b) * 2
                if d < best_d:
                    best, best_d = k, d
            i = self.cache[rgb] = best
        return i
