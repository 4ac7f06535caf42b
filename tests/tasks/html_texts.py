"""Prints the texts a browser would show in an export page's title, disc name, location and
categories cells, one per line, for the export tests to compare with the catalogue."""
import sys
from html.parser import HTMLParser


class Texts(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.current = None
        self.text = ""
        self.lines = []

    def handle_starttag(self, tag, attrs):
        cls = dict(attrs).get("class")
        if tag == "title":
            self.current = "title"
        elif tag == "td" and cls == "title":
            self.current = "name"
        elif tag == "td" and cls == "categories":
            self.current = "categories"
        elif tag == "td" and cls == "thickBorder":
            self.current = "cell"
        self.text = ""

    def handle_endtag(self, tag):
        if tag in ("title", "td") and self.current is not None:
            if self.current != "cell" or self.text.startswith("Location: "):
                label = "location" if self.current == "cell" else self.current
                self.lines.append(f"{label}: {self.text}")
            self.current = None

    def handle_data(self, data):
        if self.current is not None:
            self.text += data


parser = Texts()
with open(sys.argv[1], encoding="ascii") as page:
    parser.feed(page.read())
sys.stdout.buffer.write(("\n".join(parser.lines) + "\n").encode("utf-8"))
