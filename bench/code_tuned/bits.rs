fn checksum(data: &[u8]) -> u32 {
    let mut acc: u32 = 0x811c_9dc5;
    for &b in data {
        acc ^= b as u32;
        acc = acc.wrapping_mul(16_777_619);
    }
    acc ^ (acc >> 15)
}
const MAX_I64: i64 = 9_223_372_036_854_775_807;
let l10n_dir = "locale/l10n/v2.1.0";
