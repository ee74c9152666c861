# Writes the picture fixtures of the mini-HTML tests (run once; the outputs are committed).
import struct, zlib

def png(name, w, h, pixel):
    raw = b''.join(b'\x00' + b''.join(bytes(pixel(x, y)) for x in range(w)) for y in range(h))
    def chunk(t, d):
        return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d) & 0xffffffff)
    data = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
    data += chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')
    open(name, 'wb').write(data)

def lzw(indices):
    # 2-bit colour indices, 3-bit codes, a clear code before every two pixels.
    codes = []
    for i in range(0, len(indices), 2):
        codes.append(4)
        codes.extend(indices[i:i + 2])
    codes.append(5)
    bits, n, out = 0, 0, bytearray()
    for c in codes:
        bits |= c << n
        n += 3
        while n >= 8:
            out.append(bits & 0xff); bits >>= 8; n -= 8
    if n: out.append(bits & 0xff)
    blocks = bytearray([2])
    for i in range(0, len(out), 255):
        part = out[i:i + 255]
        blocks += bytes([len(part)]) + part
    return bytes(blocks + b'\x00')

def gif(name, w, h, frames, control=True):
    # frames: (left, top, fw, fh, delay, colour index)
    palette = bytes([255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 255])  # red, blue, green, white
    data = b'GIF89a' + struct.pack('<HHBBB', w, h, 0x81, 3, 0) + palette
    for (l, t, fw, fh, delay, colour) in frames:
        if control:
            data += b'\x21\xf9\x04' + bytes([0]) + struct.pack('<H', delay) + b'\x00\x00'
        data += b'\x2c' + struct.pack('<HHHHB', l, t, fw, fh, 0) + lzw([colour] * (fw * fh))
    open(name, 'wb').write(data + b'\x3b')

png('redblue.png', 20, 10, lambda x, y: (255, 0, 0) if x < 10 else (0, 0, 255))
png('wide.png', 64, 32, lambda x, y: (0, 128, 0))
gif('anim3.gif', 12, 8, [(0, 0, 12, 8, 10, 3), (4, 2, 4, 4, 20, 1), (0, 0, 2, 2, 30, 2)])
gif('anim2.gif', 12, 8, [(0, 0, 12, 8, 10, 3), (4, 2, 4, 4, 20, 1)])
gif('offset.gif', 12, 8, [(4, 2, 4, 4, 10, 0), (0, 0, 4, 4, 10, 1)])
gif('still.gif', 6, 4, [(0, 0, 6, 4, 0, 1)], control=False)
open('notimage.png', 'wb').write(b'This is not a picture at all.\n')
