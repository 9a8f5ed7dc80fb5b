#!/usr/bin/python3
"""Draws the images the program carries: the window background (a pale cyan
paper texture, 465 x 250 JPEG) and the application icon (16/32/48 px).
Run from the repository root; the outputs are committed under resources/."""
import random
from PIL import Image, ImageDraw, ImageFilter

def paper_background(path):
    rng = random.Random(20261211)
    width, height = 465, 250
    img = Image.new("RGB", (width, height), (214, 240, 242))
    px = img.load()
    for y in range(height):
        for x in range(width):
            grain = rng.randint(-9, 9)
            r, g, b = px[x, y]
            px[x, y] = (r + grain, g + grain, b + grain // 2)
    draw = ImageDraw.Draw(img)
    for _ in range(260):  # long soft fibres of the paper
        x, y = rng.uniform(0, width), rng.uniform(0, height)
        dx, dy = rng.uniform(-40, 40), rng.uniform(-6, 6)
        shade = rng.randint(196, 236)
        draw.line([(x, y), (x + dx, y + dy)], fill=(shade - 14, shade + 6, shade + 8), width=1)
    img = img.filter(ImageFilter.GaussianBlur(0.8))
    img.save(path, "JPEG", quality=88, optimize=True)

def icon(path):
    size = 256
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    draw.rounded_rectangle([8, 8, size - 8, size - 8], radius=48, fill=(34, 160, 190, 255))
    draw.rounded_rectangle([28, 28, size - 28, size - 28], radius=36, outline=(255, 255, 255, 230), width=10)
    # five draw balls: the five digits of a draw
    for i, colour in enumerate([(255, 128, 0), (255, 64, 64), (255, 220, 60), (90, 220, 120), (255, 255, 255)]):
        cx = 52 + i * 38
        cy = 128 + (18 if i % 2 else -18)
        draw.ellipse([cx - 18, cy - 18, cx + 18, cy + 18], fill=colour + (255,))
    img.save(path, sizes=[(16, 16), (32, 32), (48, 48)])

if __name__ == "__main__":
    paper_background("resources/images/window_background.jpg")
    icon("resources/icons/qinglan.ico")
