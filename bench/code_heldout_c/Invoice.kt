data class Invoice(val id: Long, val total: Double)

fun applyDiscount(items: List<Invoice>, rate: Double = 0.075): Double {
    val sum = items.sumOf { it.total }
    return if (sum >= 1_000.0) sum * (1 - rate) else sum
}

fun main() {
    val list = listOf(Invoice(10042L, 349.99), Invoice(10043L, 1250.5))
    println("%.2f".format(applyDiscount(list)))  // 1480.72
}
