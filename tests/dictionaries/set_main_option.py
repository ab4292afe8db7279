#!/usr/bin/python3
# Sets one key of the main options (OPCJE GŁÓWNE) in a data directory's
# common W3PABVKA.DBF by patching the dBASE file in place (header and field
# descriptors read here, independently of the program).
#   set_main_option.py DATA_DIR KEY VALUE
import struct
import sys

path = sys.argv[1].rstrip('/') + '/wspolne/W3PABVKA.DBF'
key, value = int(sys.argv[2]), sys.argv[3].encode('ascii')
with open(path, 'r+b') as f:
    head = f.read(32)
    count, header_len, record_len = struct.unpack('<IHH', head[4:12])
    fields, offset = {}, 1
    while True:
        d = f.read(32)
        if d[0] == 0x0D:
            break
        name = d[:11].split(b'\0')[0].decode('ascii')
        fields[name] = (offset, d[16])
        offset += d[16]
    done = False
    for i in range(count):
        pos = header_len + i * record_len
        f.seek(pos)
        rec = f.read(record_len)
        k_off, k_len = fields['K3']
        if rec[0:1] != b'*' and int(rec[k_off:k_off + k_len] or b'0') == key:
            # The value field by the key's type: C text, I integer, L long, D amount.
            t_off, _ = fields['TY']
            kind = rec[t_off:t_off + 1]
            name = {b'I': 'IN', b'L': 'LO', b'D': 'DO'}.get(kind, 'CH')
            c_off, c_len = fields[name]
            f.seek(pos + c_off)
            f.write(value.rjust(c_len, b' ') if name != 'CH' else value.ljust(c_len, b' '))
            done = True
sys.exit(0 if done else 1)
